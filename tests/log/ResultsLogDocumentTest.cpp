// The document the printer takes from the results log.
// pdftotext drops a leading empty line and runs of spaces in a proportional
// font, so the printed document's exact lines are checked here, before
// printing; the printed pages are checked with the main window.
#include "ResultsLogDocument.h"

#include <QFont>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace tavrix {
namespace {

QStringList Paragraphs(const QTextDocument& document) {
    QStringList texts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        texts << block.text();
    }
    return texts;
}

const QStringList LogLines{"1.000 metre = 3.281 feet", "", "a  <b> & c²",
                           QStringLiteral("1\u202F000 g = 1 kg")};

TEST(PrintedResultsLogDocument, EmptyLineTitleAndTimeEmptyLineThenEveryLogLine) {
    const auto document = PrintedResultsLogDocument(LogLines, "09:05:07 UTC", QFont("Tahoma", 9));
    const QString title =
        QStringLiteral("TAVRIX Results Log") + QString(25, ' ') + QStringLiteral("09:05:07 UTC");
    EXPECT_EQ(Paragraphs(*document), QStringList({"", title, ""}) + LogLines);
}

} // namespace
} // namespace tavrix
