#include "ResultsLogClipboard.h"

#include <QFont>

#include <utility>

namespace tavrix {

ResultsLogClipboard::ResultsLogClipboard(const QFont& font) {
    // Runs of spaces stay as typed; paragraphs follow each other with no
    // space between, as the log's lines do. Marked as Qt's own rich text,
    // so that Qt reads the line breaks between paragraphs as no text.
    html_ = QStringLiteral(
                "<!DOCTYPE html><html><head><meta name=\"qrichtext\" content=\"1\" />"
                "<meta charset=\"utf-8\"><style>"
                "p { margin: 0; white-space: pre-wrap; } p.e { -qt-paragraph-type: empty; }</style></head>"
                "<body style=\"font-family: '%1'; font-size: %2pt;\">\n")
                .arg(QString(font.family()).remove(QLatin1Char('\'')).toHtmlEscaped())
                .arg(font.pointSizeF())
                .toUtf8();
}

void ResultsLogClipboard::addLine(QStringView line) {
    if (!empty_) {
        text_ += '\n';
    }
    empty_ = false;
    text_ += line.toUtf8();
    // An empty paragraph would be dropped where the text is read back;
    // marked empty, it holds nothing but its line. Marked by a class, as a
    // log of millions of empty lines takes no more than it must.
    html_ += line.isEmpty() ? QByteArrayLiteral("<p class=e><br></p>\n")
                            : "<p>" + line.toString().toHtmlEscaped().toUtf8() + "</p>\n";
}

QByteArray ResultsLogClipboard::takeHtml() {
    // Ended in place: a copy of tens of megabytes would double the memory.
    html_ += "</body></html>\n";
    return std::move(html_);
}

} // namespace tavrix
