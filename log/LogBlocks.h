// How the results log's text is held in a text document's blocks, for logs
// of hundreds of thousands of lines: a block holds a run of lines,
// separated by line separators (U+2028), which a text field shows as line
// breaks; a line that holds a line separator of its own has a block to
// itself, marked so; a line far too long to lay out in one piece is held
// in several blocks, as the caller of WriteLines chooses. A block's mark is
// its user state.
#pragma once

#include <QString>
#include <QTextCursor>

#include <functional>

class QTextBlock;

namespace tavrix {

enum BlockKind : int {
    // Lines; each line separator ends one (a block made by a text field
    // itself has the user state -1).
    Lines = -1,
    // Pieces of a long line, separated by line separators, going on in the next block.
    PiecesGoingOn = 1,
    // The last pieces of a long line.
    LastPieces = 2,
    // One line that holds line separators of its own.
    LineAsItStands = 3,
};

inline constexpr QChar LineSeparator(0x2028);

// Lines at least this long are held as the caller of WriteLines chooses;
// shorter ones go in whole, and show as the field wraps them: the field lays
// out a line this long within a fraction of a millisecond.
inline constexpr qsizetype LongLine = 2000;
// How many characters a block holds at most, but for a single line or piece:
// few enough for the field to lay out a block at once as it comes into view.
inline constexpr qsizetype CharactersPerBlock = 4096;

BlockKind KindOf(const QTextBlock& block);

// Tells the field the rows `block` will take once laid out, about: a field
// lays out only the blocks it shows and counts one row for each other, and
// its scroll bar goes by these counts.
void CountRows(QTextBlock block);

// The text a block stands for: separators between lines as "\n", those
// between pieces of a line gone.
QString TextOf(const QString& blockText, BlockKind kind);

// Adds blocks at a place in a document, each after the one before, as one
// edit: the field lays out and repaints once, not at every block.
class BlockWriter {
public:
    // At the end of the block `at` is in: an empty block takes the first
    // text; after any other the text starts a block of its own.
    explicit BlockWriter(const QTextCursor& at);
    ~BlockWriter();
    BlockWriter(const BlockWriter&) = delete;
    BlockWriter& operator=(const BlockWriter&) = delete;

    void add(const QString& text, BlockKind kind);
    // Lets the field take in what has been added so far, before it paints.
    void settle();
    // At the end of the block added last.
    const QTextCursor& end() const { return at_; }

private:
    QTextCursor at_;
    bool newBlock_;
};

// Writes one long line as blocks; `goesOn` when the line goes on in the
// block after the last one written.
using LongLineWriter = std::function<void(BlockWriter& writer, QStringView line, bool goesOn)>;

// Takes a log's text in runs: lines separated by "\n" within a run; the
// last line of a run goes on in the next when `lineGoesOn`, and ends there
// otherwise. A long line may come in several runs, so that nothing holds
// the text whole once more.
using TakeLineRun = std::function<void(QStringView run, bool lineGoesOn)>;

// Writes `text`, lines separated by "\n", as blocks. Its last line gets a
// block of its own, so that the log's last block is its last line, the
// empty line where the next one goes; or, when `goesOn`, it goes to
// `writeLong` to be continued in the block after.
void WriteLines(BlockWriter& writer, QStringView text, const LongLineWriter& writeLong, bool goesOn = false);

// Gathers lines, or pieces of one, into blocks of a kind, separated by line separators.
class BlockFiller {
public:
    BlockFiller(BlockWriter& writer, BlockKind kind) : writer_(writer), kind_(kind) {}
    void add(QStringView text);
    void flush(BlockKind kind);
    void flush() { flush(kind_); }

private:
    BlockWriter& writer_;
    BlockKind kind_;
    QString held_;
    qsizetype count_ = 0;
};

} // namespace tavrix
