// The results log as the clipboard takes it, built line by line: plain text
// for editors, and rich text in the window's font, one paragraph per line,
// for word processors and mail editors.
#pragma once

#include <QByteArray>
#include <QString>

class QFont;

namespace tavrix {

class ResultsLogClipboard {
public:
    explicit ResultsLogClipboard(const QFont& font);

    void addLine(QStringView line);
    // Lines separated by "\n", every character as given; both in UTF-8.
    const QByteArray& text() const { return text_; }
    // The rich text, ended; once it is taken only text() is left.
    QByteArray takeHtml();

private:
    QByteArray text_;
    QByteArray html_;
    bool empty_ = true;
};

} // namespace tavrix
