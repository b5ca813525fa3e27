#include "ResultsLogField.h"

#include "LogBlocks.h"
#include "LogRows.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>
#include <optional>

namespace tavrix {

namespace {

// A long line as pieces of one row each, in blocks marked as holding
// pieces: the field lays out a block in one piece, and a line of megabytes
// in one piece would stall it for minutes.
LongLineWriter PiecesOf(const LogRows& rows) {
    return [&rows](BlockWriter& writer, QStringView line, bool goesOn) {
        BlockFiller pieces(writer, PiecesGoingOn);
        for (const QStringView piece : rows.pieces(line)) {
            pieces.add(piece);
        }
        if (line.isEmpty()) {
            pieces.add(line);
        }
        pieces.flush(goesOn ? PiecesGoingOn : LastPieces);
    };
}

// Work no one watches.
struct Unwatched final : Progress {
    bool carryOn(double) override { return true; }
};

enum class LineForTheNext {
    // The empty line where the next one goes follows what is written.
    Added,
    // What is written ends as it ends.
    AsWritten
};

// Writes the text `runs` hands over after the log's last line, as one edit,
// telling `progress` after each run of about `size` characters in all.
// Whether anything was written; nothing when the person cancelled, and then
// the log is as it was.
std::optional<bool> WriteAfterLog(QPlainTextEdit& field, const std::function<void(const TakeLineRun&)>& runs,
                                  Progress& progress, qsizetype size, LineForTheNext next) {
    QTextDocument& document = *field.document();
    // What to go back to when the person cancels.
    const int oldEnd = document.characterCount() - 1;
    const int oldLastState = document.lastBlock().userState();
    const LogRows rows(field);
    QTextCursor end(&document);
    end.movePosition(QTextCursor::End);
    bool written = false;
    bool cancelled = false;
    qsizetype done = 0;
    {
        BlockWriter writer(end);
        runs([&](QStringView run, bool lineGoesOn) {
            if (cancelled) {
                return;
            }
            WriteLines(writer, run, PiecesOf(rows), lineGoesOn);
            written = true;
            done += run.size() + 1;
            writer.settle();
            cancelled = !progress.carryOn(std::min(1.0, double(done) / double(std::max<qsizetype>(size, 1))));
        });
        if (written && !cancelled && next == LineForTheNext::Added) {
            writer.add(QString(), Lines);
        }
    }
    if (cancelled) {
        QTextCursor added(&document);
        added.setPosition(oldEnd);
        added.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        added.removeSelectedText();
        document.lastBlock().setUserState(oldLastState);
        CountRows(document.lastBlock());
        return std::nullopt;
    }
    return written;
}

} // namespace

void PrepareResultsLogField(QPlainTextEdit& field) {
    field.setUndoRedoEnabled(false);
}

bool ForEachResultsLogLine(const QPlainTextEdit& field, const std::function<void(QStringView)>& take,
                           Progress& progress) {
    const LogRows rows(field);
    // Each row waits for the next: the empty row after the last line break
    // is not a line.
    std::optional<QString> waiting;
    const auto add = [&take, &waiting](QStringView row) {
        if (waiting) {
            take(*waiting);
        }
        waiting = row.toString();
    };
    const auto addRows = [&rows, &add](QStringView text) {
        qsizetype rowStart = 0;
        for (const qsizetype rowEnd : rows.breaks(text)) {
            add(text.mid(rowStart, rowEnd - rowStart));
            rowStart = rowEnd;
        }
        add(text.mid(rowStart));
    };
    const QTextDocument& document = *field.document();
    const double blocks = document.blockCount();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (!progress.carryOn(block.blockNumber() / blocks)) {
            return false;
        }
        const QString text = block.text();
        if (KindOf(block) == LineAsItStands) {
            addRows(text);
            continue;
        }
        for (const QStringView line : QStringView(text).split(LineSeparator)) {
            addRows(line);
        }
    }
    if (waiting && !waiting->isEmpty()) {
        take(*waiting);
    }
    return true;
}

QStringList ResultsLogLines(const QPlainTextEdit& field) {
    Unwatched unwatched;
    QStringList lines;
    ForEachResultsLogLine(
        field, [&lines](QStringView line) { lines << line.toString(); }, unwatched);
    return lines;
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
        const QString run = lines.join(QLatin1Char('\n'));
        Unwatched unwatched;
        AppendResultsLogRuns(
            field, [&run](const auto& take) { take(run); }, unwatched, run.size());
    }
}

bool AppendResultsLogRuns(QPlainTextEdit& field,
                          const std::function<void(const std::function<void(QStringView)>&)>& runs,
                          Progress& progress, qsizetype size) {
    const std::optional<bool> appended = WriteAfterLog(
        field, [&runs](const TakeLineRun& take) { runs([&take](QStringView run) { take(run, false); }); },
        progress, size, LineForTheNext::Added);
    if (!appended) {
        return false;
    }
    if (*appended) {
        field.moveCursor(QTextCursor::End);
        field.ensureCursorVisible();
    }
    return true;
}

bool ReplaceResultsLog(QPlainTextEdit& field, const std::function<void(const TakeLineRun&)>& runs,
                       Progress& progress, qsizetype size) {
    QTextDocument& document = *field.document();
    const int top = field.verticalScrollBar()->value();
    // The new text starts in the log's last block if that is empty, after it
    // otherwise; before it, the old log stays until the new one is whole.
    const QTextBlock last = document.lastBlock();
    const int newStart = last.text().isEmpty() ? last.position() : document.characterCount();
    if (!WriteAfterLog(field, runs, progress, size, LineForTheNext::AsWritten).has_value()) {
        return false;
    }
    QTextCursor old(&document);
    // All of it when nothing new came after a last line that was not empty.
    old.setPosition(std::min(newStart, document.characterCount() - 1), QTextCursor::KeepAnchor);
    old.removeSelectedText();
    // The new first block took the old one's place, and lost its count of rows.
    CountRows(document.firstBlock());
    field.verticalScrollBar()->setValue(top);
    return true;
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
    WriteLines(writer, left, PiecesOf(rows), lastKind == PiecesGoingOn);
    field.setTextCursor(selection);
}

} // namespace tavrix
