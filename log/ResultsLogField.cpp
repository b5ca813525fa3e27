#include "ResultsLogField.h"

#include "LogRows.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

namespace tavrix {

namespace {

// What a block of the field's document holds, kept as its user state.
enum BlockKind : int {
    // Lines; each line separator ends one (a block made by the field itself
    // has the user state -1).
    Lines = -1,
    // Pieces of a long line that goes on in the next block.
    PiecesGoingOn = 1,
    // The last pieces of a long line.
    LastPieces = 2,
    // One line that holds line separators of its own.
    LineAsItStands = 3,
};

constexpr QChar LineSeparator(0x2028);

// Lines shorter than this go to the field whole, however they wrap, so that
// they show as the field wraps them; the field lays out a line this long
// within a fraction of a millisecond.
constexpr qsizetype LongLine = 2000;
// How many lines or pieces a block holds at most, and how many characters:
// few enough for the field to lay out a block at once as it comes into view.
constexpr qsizetype LinesPerBlock = 64;
constexpr qsizetype CharactersPerBlock = 4096;

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

// The text a block stands for: separators between lines as "\n", those
// between pieces of a line gone.
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

// Adds blocks at a place in a document, each after the one before.
class BlockWriter {
public:
    // At the end of the block `at` is in: an empty block takes the first
    // text; after any other the text starts a block of its own.
    explicit BlockWriter(const QTextCursor& at) : at_(at), newBlock_(!at.block().text().isEmpty()) {
        at_.movePosition(QTextCursor::EndOfBlock);
        // One edit: the field lays out and repaints once, not at every block.
        at_.beginEditBlock();
    }
    ~BlockWriter() { at_.endEditBlock(); }
    BlockWriter(const BlockWriter&) = delete;
    BlockWriter& operator=(const BlockWriter&) = delete;
    void add(const QString& text, BlockKind kind) {
        if (newBlock_) {
            at_.insertBlock();
        }
        newBlock_ = true;
        at_.insertText(text);
        at_.block().setUserState(kind);
    }

private:
    QTextCursor at_;
    bool newBlock_;
};

// Gathers lines, or pieces of one, into blocks of a kind.
class BlockFiller {
public:
    BlockFiller(BlockWriter& writer, BlockKind kind) : writer_(writer), kind_(kind) {}
    void add(QStringView text) {
        if (count_ == LinesPerBlock || (count_ > 0 && held_.size() + text.size() >= CharactersPerBlock)) {
            flush();
        }
        if (count_ > 0) {
            held_ += LineSeparator;
        }
        held_ += text;
        ++count_;
    }
    void flush(BlockKind kind) {
        if (count_ > 0) {
            writer_.add(held_, kind);
        }
        held_.clear();
        count_ = 0;
    }
    void flush() { flush(kind_); }

private:
    BlockWriter& writer_;
    BlockKind kind_;
    QString held_;
    qsizetype count_ = 0;
};

// Writes `text`, lines separated by "\n", as blocks. Its last line gets a
// block of its own, so that the log's last block is its last line, the
// empty line where the next one goes; or, when `goesOn`, pieces going on
// in the block after.
void WriteText(BlockWriter& writer, const LogRows& rows, QStringView text, bool goesOn = false) {
    BlockFiller lines(writer, Lines);
    const auto writePieces = [&writer, &rows](QStringView line, BlockKind lastKind) {
        BlockFiller pieces(writer, PiecesGoingOn);
        for (const QStringView piece : rows.pieces(line)) {
            pieces.add(piece);
        }
        if (line.isEmpty()) {
            pieces.add(line);
        }
        pieces.flush(lastKind);
    };
    qsizetype lineStart = 0;
    for (;;) {
        const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'), lineStart);
        const bool last = lineEnd < 0;
        const QStringView line = text.mid(lineStart, (last ? text.size() : lineEnd) - lineStart);
        if (last || line.size() >= LongLine || line.contains(LineSeparator)) {
            lines.flush();
        }
        if (last && goesOn) {
            writePieces(line, PiecesGoingOn);
        } else if (line.contains(LineSeparator)) {
            writer.add(line.toString(), LineAsItStands);
        } else if (line.size() >= LongLine) {
            writePieces(line, LastPieces);
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

// Adds `text` at the end of the field; it starts a new block unless the
// last one is empty, so after a line break when the log's last line has
// none yet.
void InsertAtEnd(QPlainTextEdit& field, QStringView text) {
    QTextCursor end(field.document());
    end.movePosition(QTextCursor::End);
    BlockWriter writer(end);
    WriteText(writer, LogRows(field), text);
}

} // namespace

void PrepareResultsLogField(QPlainTextEdit& field) {
    field.setUndoRedoEnabled(false);
}

QStringList ResultsLogLines(const QPlainTextEdit& field) {
    const LogRows rows(field);
    QStringList lines;
    const auto addRows = [&rows, &lines](const QString& text) {
        qsizetype rowStart = 0;
        for (const qsizetype rowEnd : rows.breaks(text)) {
            lines << text.mid(rowStart, rowEnd - rowStart);
            rowStart = rowEnd;
        }
        lines << (rowStart == 0 ? text : text.mid(rowStart));
    };
    const QTextDocument& document = *field.document();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        if (KindOf(block) == LineAsItStands) {
            addRows(text);
            continue;
        }
        for (const QStringView line : QStringView(text).split(LineSeparator)) {
            addRows(line.toString());
        }
    }
    if (!lines.isEmpty() && lines.constLast().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

QString WholeText(const QTextDocument& document) {
    // toPlainText() would turn no-break spaces, a common group separator,
    // into plain ones.
    QString text;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin()) {
            text += QLatin1Char('\n');
        }
        text += block.text();
    }
    return text;
}

QString ResultsLogText(const QPlainTextEdit& field) {
    const QTextDocument& document = *field.document();
    QString text;
    text.reserve(document.characterCount());
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        text += TextOf(block.text(), KindOf(block));
        if (block.next().isValid() && KindOf(block) != PiecesGoingOn) {
            text += QLatin1Char('\n');
        }
    }
    return text;
}

void AppendResultsLogLines(QPlainTextEdit& field, const QStringList& lines) {
    if (!lines.isEmpty()) {
        AppendResultsLogText(field, lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    }
}

void AppendResultsLogText(QPlainTextEdit& field, const QString& text) {
    if (text.isEmpty()) {
        return;
    }
    InsertAtEnd(field, text);
    field.moveCursor(QTextCursor::End);
    field.ensureCursorVisible();
}

void SetResultsLogText(QPlainTextEdit& field, const QString& text) {
    field.clear();
    field.document()->firstBlock().setUserState(Lines);
    InsertAtEnd(field, text);
}

void RemoveSelectedLogText(QPlainTextEdit& field) {
    QTextCursor selection = field.textCursor();
    if (!selection.hasSelection()) {
        return;
    }
    // The blocks the selection touches are written afresh from what is left
    // of them, each part read as its own block held it.
    QTextDocument& document = *field.document();
    const QTextBlock first = document.findBlock(selection.selectionStart());
    const QTextBlock last = document.findBlock(selection.selectionEnd());
    const BlockKind lastKind = KindOf(last);
    const QString left =
        TextOf(first.text().left(selection.selectionStart() - first.position()), KindOf(first)) +
        TextOf(last.text().mid(selection.selectionEnd() - last.position()), lastKind);
    const LogRows rows(field);
    selection.setPosition(first.position());
    selection.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
    selection.removeSelectedText();
    BlockWriter writer(selection);
    WriteText(writer, rows, left, lastKind == PiecesGoingOn);
    field.setTextCursor(selection);
}

} // namespace tavrix
