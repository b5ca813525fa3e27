#include "Tavrix_AddLogText.h"

#include "Desktop.h"
#include "Fonts.h"
#include "LogBlocks.h"
#include "WindowPlacement.h"
#include "ui_Tavrix_AddLogText.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>

namespace tavrix {

namespace {

constexpr QSize ClientSize{341, 278};

} // namespace

TFormOVConvert_LogText::TFormOVConvert_LogText(Desktop& desktop, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TFormOVConvert_LogText>()), desktop_(desktop) {
    ui->setupUi(this);
    setFont(SmallWindowFont());
    setFixedSize(ClientSize);
    ui->Memo_TextToResultsLog->setAccessibleName(tr("Results Log"));
    ui->Memo_TextToResultsLog->setAccessibleDescription(
        tr("The whole results log, to change, add notes to or shorten"));
    ui->BitBtn_AddTextToResultsLog->setAccessibleDescription(tr("Puts this text into the results log"));
    ui->BitBtn_AddTextCancel->setAccessibleDescription(tr("Leaves the results log as it was"));
    connect(ui->BitBtn_AddTextToResultsLog, &QAbstractButton::clicked, this,
            &TFormOVConvert_LogText::BitBtn_AddTextToResultsLogClick);
    connect(ui->BitBtn_AddTextCancel, &QAbstractButton::clicked, this,
            &TFormOVConvert_LogText::BitBtn_AddTextCancelClick);
}

TFormOVConvert_LogText::~TFormOVConvert_LogText() = default;

bool TFormOVConvert_LogText::setLog(const QTextDocument& log, Progress& progress) {
    clearLog();
    QPlainTextEdit& memo = *ui->Memo_TextToResultsLog;
    // Undo takes back the person's own changes, not the filling.
    memo.setUndoRedoEnabled(false);
    bool cancelled = false;
    {
        BlockWriter writer{QTextCursor(memo.document())};
        // Block for block; the pieces of a long line without their
        // separators, each block wrapped by the field, and editing goes on
        // across them as in one line.
        const double blocks = log.blockCount();
        for (QTextBlock block = log.begin(); block.isValid(); block = block.next()) {
            cancelled = !progress.carryOn(block.blockNumber() / blocks);
            if (cancelled) {
                break;
            }
            const BlockKind kind = KindOf(block);
            const bool pieces = kind == PiecesGoingOn || kind == LastPieces;
            writer.add(pieces ? TextOf(block.text(), kind) : block.text(), pieces ? Lines : kind);
        }
    }
    if (cancelled) {
        clearLog();
    } else {
        markLinesGoingOn(log);
    }
    memo.setUndoRedoEnabled(true);
    return !cancelled;
}

// A mark at the start of each block that goes on with the line before:
// typing there, or an Enter, leaves it at the start of what goes on.
void TFormOVConvert_LogText::markLinesGoingOn(const QTextDocument& log) {
    QTextBlock shown = ui->Memo_TextToResultsLog->document()->begin();
    for (QTextBlock block = log.begin(); block.isValid() && shown.isValid();
         block = block.next(), shown = shown.next()) {
        if (KindOf(block) == PiecesGoingOn && shown.next().isValid()) {
            QTextCursor mark(shown.next());
            mark.setKeepPositionOnInsert(true);
            lineGoesOn_.push_back(mark);
        }
    }
}

qsizetype TFormOVConvert_LogText::textSize() const {
    return ui->Memo_TextToResultsLog->document()->characterCount();
}

void TFormOVConvert_LogText::forEachLineRun(const TakeLineRun& take) const {
    // A text replaced whole (by a paste over everything, say) leaves the
    // marks at its start, where nothing goes on.
    std::vector<int> goesOn;
    for (const QTextCursor& mark : lineGoesOn_) {
        goesOn.push_back(mark.position());
    }
    std::sort(goesOn.begin(), goesOn.end());
    // Runs of about this many characters: the text is never copied whole.
    constexpr qsizetype RunLength = 65536;
    const QTextDocument& document = *ui->Memo_TextToResultsLog->document();
    QString run;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        run += TextOf(block.text(), KindOf(block));
        if (!block.next().isValid()) {
            break;
        }
        const bool lineGoesOn = std::binary_search(goesOn.begin(), goesOn.end(), block.next().position());
        if (run.size() >= RunLength) {
            take(run, lineGoesOn);
            run.clear();
        } else if (!lineGoesOn) {
            run += QLatin1Char('\n');
        }
    }
    take(run, false);
}

void TFormOVConvert_LogText::clearLog() {
    lineGoesOn_.clear();
    ui->Memo_TextToResultsLog->clear();
}

void TFormOVConvert_LogText::ShowAtPosition(int left, int top) {
    logTextAccepted_ = false;
    PlaceWindowAt(*this, left, top);
    // The log's text ends with an empty line: the place for a new note.
    ui->Memo_TextToResultsLog->moveCursor(QTextCursor::End);
    ui->Memo_TextToResultsLog->setFocus();
    desktop_.execModal(*this);
}

void TFormOVConvert_LogText::BitBtn_AddTextToResultsLogClick() {
    logTextAccepted_ = true;
    accept();
}

void TFormOVConvert_LogText::BitBtn_AddTextCancelClick() {
    reject();
}

} // namespace tavrix
