#include "LogBlocks.h"

#include <QTextBlock>

namespace tavrix {

namespace {

// How many lines or pieces a block holds at most.
constexpr qsizetype LinesPerBlock = 64;

} // namespace

BlockKind KindOf(const QTextBlock& block) {
    switch (block.userState()) {
    case PiecesGoingOn:
        return PiecesGoingOn;
    case LastPieces:
        return LastPieces;
    case LineAsItStands:
        return LineAsItStands;
    default:
        return Lines;
    }
}

void CountRows(QTextBlock block) {
    block.setLineCount(static_cast<int>(block.text().count(LineSeparator)) + 1);
}

QString TextOf(const QString& blockText, BlockKind kind) {
    switch (kind) {
    case Lines:
        return QString(blockText).replace(LineSeparator, QLatin1Char('\n'));
    case PiecesGoingOn:
    case LastPieces:
        return QString(blockText).remove(LineSeparator);
    case LineAsItStands:
        break;
    }
    return blockText;
}

BlockWriter::BlockWriter(const QTextCursor& at) : at_(at), newBlock_(!at.block().text().isEmpty()) {
    at_.movePosition(QTextCursor::EndOfBlock);
    at_.beginEditBlock();
}

BlockWriter::~BlockWriter() {
    at_.endEditBlock();
}

void BlockWriter::settle() {
    at_.endEditBlock();
    at_.beginEditBlock();
}

void BlockWriter::add(const QString& text, BlockKind kind) {
    if (newBlock_) {
        at_.insertBlock();
    }
    newBlock_ = true;
    at_.insertText(text);
    QTextBlock block = at_.block();
    block.setUserState(kind);
    CountRows(block);
}

void BlockFiller::add(QStringView text) {
    if (count_ == LinesPerBlock || (count_ > 0 && held_.size() + text.size() >= CharactersPerBlock)) {
        flush();
    }
    if (count_ > 0) {
        held_ += LineSeparator;
    }
    held_ += text;
    ++count_;
}

void BlockFiller::flush(BlockKind kind) {
    if (count_ > 0) {
        writer_.add(held_, kind);
    }
    held_.clear();
    count_ = 0;
}

void WriteLines(BlockWriter& writer, QStringView text, const LongLineWriter& writeLong, bool goesOn) {
    BlockFiller lines(writer, Lines);
    qsizetype lineStart = 0;
    for (;;) {
        const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'), lineStart);
        const bool last = lineEnd < 0;
        const QStringView line = text.mid(lineStart, (last ? text.size() : lineEnd) - lineStart);
        const bool ownsSeparators = line.contains(LineSeparator);
        if (last || line.size() >= LongLine || ownsSeparators) {
            lines.flush();
        }
        if (last && goesOn) {
            writeLong(writer, line, true);
        } else if (ownsSeparators) {
            writer.add(line.toString(), LineAsItStands);
        } else if (line.size() >= LongLine) {
            writeLong(writer, line, false);
        } else if (last) {
            writer.add(line.toString(), Lines);
        } else {
            lines.add(line);
        }
        if (last) {
            break;
        }
        lineStart = lineEnd + 1;
    }
}

} // namespace tavrix
