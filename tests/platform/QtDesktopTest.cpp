#include "QtDesktop.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <gtest/gtest.h>

namespace tavrix {
namespace {

TEST(QtDesktop, PutsPlainAndRichTextOnTheClipboardAsOneEntry) {
    QtDesktop desktop;
    desktop.setClipboard("1 m = 100 cm\n2 m = 200 cm", "<p style=\"font-family:Tahoma\">1 m = 100 cm</p>");
    const QMimeData* held = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(held->text(), "1 m = 100 cm\n2 m = 200 cm");
    EXPECT_TRUE(held->hasHtml());
    EXPECT_TRUE(held->html().contains("font-family:Tahoma"));
}

} // namespace
} // namespace tavrix
