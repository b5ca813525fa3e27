#include "LogRows.h"

#include <QFontMetricsF>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <limits>

namespace tavrix {

namespace {

// Kerning may widen a line a little beyond the sum of its characters' own
// widths; a line that sum puts below this share of the row surely fits.
constexpr qreal SureFit = 0.9;

// A piece of a long line is never longer than this, even where the field
// is not laid out yet and has no width to fill.
constexpr qsizetype MaxPieceLength = 4096;

// Characters from here on may join, combine or take another font's width;
// below the space are tabs and other controls.
constexpr char16_t FirstUnplain = 0x0300;

bool IsPlain(QChar character) {
    const char16_t code = character.unicode();
    return code >= 0x20 && code < FirstUnplain && !(code >= 0x7F && code <= 0x9F);
}

} // namespace

LogRows::LogRows(const QPlainTextEdit& field)
    : font_(field.document()->defaultFont()), option_(field.document()->defaultTextOption()) {
    // The width the field's layout gives each row, read off its first
    // block: the field's margins taken off, as it takes them.
    auto* layout = qobject_cast<QPlainTextDocumentLayout*>(field.document()->documentLayout());
    const QTextBlock first = field.document()->firstBlock();
    if (layout != nullptr) {
        layout->ensureBlockLayout(first);
    }
    const QTextLayout* laidOut = first.layout();
    width_ = laidOut != nullptr && laidOut->lineCount() > 0 ? laidOut->lineAt(0).width()
                                                            : qreal(std::numeric_limits<int>::max());
    const QFontMetricsF metrics(font_);
    for (char16_t code = 0x20; code < FirstUnplain; ++code) {
        advances_[code] = metrics.horizontalAdvance(QChar(code));
        widest_ = std::max(widest_, advances_[code]);
    }
}

std::optional<qreal> LogRows::plainWidth(QStringView text) const {
    qreal width = 0;
    for (const QChar character : text) {
        if (!IsPlain(character)) {
            return std::nullopt;
        }
        width += advances_[character.unicode()];
    }
    return width;
}

qreal LogRows::advance(QChar character) const {
    // Other characters count as the widest plain one: a piece cut with
    // them may take two rows, never fewer characters than it holds.
    return IsPlain(character) ? advances_[character.unicode()] : widest_;
}

QList<qsizetype> LogRows::breaks(QStringView line) const {
    if (const std::optional<qreal> width = plainWidth(line); width && *width <= SureFit * width_) {
        return {};
    }
    QTextLayout layout(line.toString(), font_);
    layout.setTextOption(option_);
    layout.setCacheEnabled(false);
    QList<qsizetype> ends;
    layout.beginLayout();
    for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine()) {
        row.setLineWidth(width_);
        ends << row.textStart() + row.textLength();
    }
    layout.endLayout();
    if (!ends.isEmpty()) {
        ends.removeLast();
    }
    return ends;
}

QList<QStringView> LogRows::pieces(QStringView line) const {
    const qreal fill = SureFit * width_;
    QList<QStringView> cut;
    qsizetype pieceStart = 0;
    qreal pieceWidth = 0;
    const auto endPiece = [&](qsizetype end) {
        cut << line.mid(pieceStart, end - pieceStart);
        pieceStart = end;
        pieceWidth = 0;
    };
    QTextBoundaryFinder opportunities(QTextBoundaryFinder::Line, line.data(), int(line.size()));
    qsizetype wordStart = 0;
    while (wordStart < line.size()) {
        qsizetype wordEnd = opportunities.toNextBoundary();
        if (wordEnd <= wordStart) {
            wordEnd = line.size();
        }
        qreal wordWidth = 0;
        for (qsizetype index = wordStart; index < wordEnd; ++index) {
            wordWidth += advance(line[index]);
        }
        const auto fits = [&] {
            return pieceWidth + wordWidth <= fill && wordEnd - pieceStart <= MaxPieceLength;
        };
        if (!fits() && pieceStart < wordStart) {
            endPiece(wordStart);
        }
        if (fits()) {
            pieceWidth += wordWidth;
        } else {
            // A word wider than a row goes on row after row, cut anywhere
            // but inside a surrogate pair.
            for (qsizetype index = wordStart; index < wordEnd; ++index) {
                const qreal width = advance(line[index]);
                if (index > pieceStart &&
                    (pieceWidth + width > fill || index - pieceStart >= MaxPieceLength) &&
                    !line[index].isLowSurrogate()) {
                    endPiece(index);
                }
                pieceWidth += width;
            }
        }
        wordStart = wordEnd;
    }
    if (pieceStart < line.size()) {
        endPiece(line.size());
    }
    return cut;
}

} // namespace tavrix
