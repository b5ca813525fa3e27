// The rows a log line wraps into in the results log field, worked out
// without laying out the whole log: saving, copying and printing walk every
// row of logs of hundreds of thousands of lines.
#pragma once

#include <QFont>
#include <QList>
#include <QString>
#include <QTextOption>

#include <array>
#include <optional>

class QPlainTextEdit;

namespace tavrix {

class LogRows {
public:
    // Rows as `field` lays out its lines now: its font, its wrapping, its width.
    explicit LogRows(const QPlainTextEdit& field);

    // Where each row of `line` ends, as the field lays the line out: the
    // length of every row but the last (none for a line on one row).
    QList<qsizetype> breaks(QStringView line) const;

    // `line` cut into pieces each clearly narrower than the field, cut
    // where a line may break, so that each piece shows on a row of its own;
    // a word wider than the field is cut anywhere. For lines far too long to
    // hand to the field's layout in one piece.
    QList<QStringView> pieces(QStringView line) const;

private:
    // The sum of the characters' own widths when each is one the font draws
    // as it stands (no joining, no combining marks, no tabs); none otherwise.
    std::optional<qreal> plainWidth(QStringView text) const;
    qreal advance(QChar character) const;

    QFont font_;
    QTextOption option_;
    qreal width_;
    // The width of each character below U+0300, measured on its own.
    std::array<qreal, 0x300> advances_{};
    qreal widest_ = 0;
};

} // namespace tavrix
