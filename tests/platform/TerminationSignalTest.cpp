#include "TerminationSignal.h"

#include <QCloseEvent>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <csignal>

namespace tavrix {
namespace {

struct CountingWindow : QWidget {
    int closes = 0;
    void closeEvent(QCloseEvent* event) override {
        ++closes;
        QWidget::closeEvent(event);
    }
};

TEST(TerminationSignal, TermAndHangUpCloseTheWindowTheNormalWay) {
    CountingWindow window;
    window.show();
    CloseOnTerminationSignal(window);

    ASSERT_EQ(std::raise(SIGTERM), 0); // would end the test program without the handler
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.closes == 1; }, 2000));

    window.show();
    ASSERT_EQ(std::raise(SIGHUP), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.closes == 2; }, 2000));
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace tavrix
