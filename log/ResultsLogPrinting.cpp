#include "ResultsLogPrinting.h"

#include "AtomicSave.h"
#include "CancelledPrintJob.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextLayout>
#include <QTextOption>

namespace tavrix {

namespace {

// Progress over one of several passes: each copy walks the lines again.
class PassProgress final : public Progress {
public:
    PassProgress(Progress& whole, int pass, int passes) : whole_(whole), pass_(pass), passes_(passes) {}
    bool carryOn(double done) override { return whole_.carryOn((pass_ + done) / passes_); }

private:
    Progress& whole_;
    int pass_;
    int passes_;
};

// Lays out each line at the page's width and puts its rows on the pages,
// one after the other: a row that does not fit below the last one starts
// the next page. Only the chosen pages are drawn.
class PageFiller {
public:
    PageFiller(QPainter& painter, QPagedPaintDevice& device, const QFont& font, qreal pageWidth,
               qreal pageHeight, const QPageRanges& chosen, bool& pageStarted)
        : painter_(painter), device_(device), font_(font), pageWidth_(pageWidth), pageHeight_(pageHeight),
          chosen_(chosen), pageStarted_(pageStarted) {
        // A word wider than the page is broken too, rather than cut off at its edge.
        option_.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    }

    void add(QStringView line) {
        QTextLayout layout(line.toString(), font_, &device_);
        layout.setTextOption(option_);
        layout.setCacheEnabled(false);
        layout.beginLayout();
        for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine()) {
            row.setLeadingIncluded(true);
            row.setLineWidth(pageWidth_);
        }
        layout.endLayout();
        for (int index = 0; index < layout.lineCount(); ++index) {
            const QTextLine row = layout.lineAt(index);
            if (top_ + row.height() > pageHeight_ && rowsOnPage_ > 0) {
                ++page_;
                top_ = 0;
                rowsOnPage_ = 0;
            }
            if (chosen_.isEmpty() || chosen_.contains(page_)) {
                drawOnPage(row);
            }
            top_ += row.height();
            ++rowsOnPage_;
        }
    }
    bool failed() const { return failed_; }

private:
    void drawOnPage(const QTextLine& row) {
        if (page_ != drawnPage_) {
            // Every page drawn after the first of the job starts a new sheet.
            if (pageStarted_ && !device_.newPage()) {
                failed_ = true;
            }
            pageStarted_ = true;
            drawnPage_ = page_;
        }
        row.draw(&painter_, QPointF(0, top_ - row.y()));
    }

    QPainter& painter_;
    QPagedPaintDevice& device_;
    const QFont& font_;
    QTextOption option_;
    qreal pageWidth_;
    qreal pageHeight_;
    const QPageRanges& chosen_;
    bool& pageStarted_;
    int page_ = 1;
    int drawnPage_ = 0;
    qreal top_ = 0;
    int rowsOnPage_ = 0;
    bool failed_ = false;
};

enum class Outcome { Printed, Refused, Cancelled };

// The chosen pages, as many times as asked, on `device`, laid out for
// `printer`'s page.
Outcome PaintPages(const PrintedLines& lines, const QFont& font, const QPrinter& printer,
                   QPagedPaintDevice& device, Progress& progress) {
    const QPageRanges chosen =
        printer.printRange() == QPrinter::PageRange ? printer.pageRanges() : QPageRanges();
    // As many times as asked where the printer does not make the copies itself.
    const int copies = printer.supportsMultipleCopies() ? 1 : printer.copyCount();
    QPainter painter;
    if (!painter.begin(&device)) {
        return Outcome::Refused;
    }
    painter.setPen(Qt::black);
    bool pageStarted = false;
    for (int copy = 0; copy < copies; ++copy) {
        PageFiller pages(painter, device, font, printer.width(), printer.height(), chosen, pageStarted);
        PassProgress pass(progress, copy, copies);
        if (!lines([&pages](QStringView line) { pages.add(line); }, pass)) {
            EndCancelledPrintJob(painter);
            return Outcome::Cancelled;
        }
        if (pages.failed()) {
            painter.end();
            return Outcome::Refused;
        }
    }
    return painter.end() ? Outcome::Printed : Outcome::Refused;
}

// Qt's printing layer only tells that a job failed, not why: name what
// refused it, and why where the file system said so.
QString FailureText(const QPrinter& printer, const QString& reason = {}) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        const QString file = QDir::toNativeSeparators(printer.outputFileName());
        return reason.isEmpty()
                   ? QCoreApplication::translate("tavrix::ResultsLogPrinting",
                                                 "Printing failed: cannot write the file \"%1\".")
                         .arg(file)
                   : QCoreApplication::translate("tavrix::ResultsLogPrinting",
                                                 "Printing failed: cannot write the file \"%1\": %2.")
                         .arg(file, reason);
    }
    return QCoreApplication::translate("tavrix::ResultsLogPrinting",
                                       "Printing failed: the printer \"%1\" did not accept the job.")
        .arg(printer.printerName());
}

// Qt's PDF writer goes on silently when its writes fail and would leave a
// file cut short. So a PDF file is written as any file of the program is:
// beside its place, and put there only whole; the file system's reason
// comes back when it cannot be. Only a FIFO or a device in the file's place
// takes the PDF directly.
std::optional<QString> PrintPdfFile(const PrintedLines& lines, const QFont& font, QPrinter& printer,
                                    Progress& progress) {
    const QFileInfo target(printer.outputFileName());
    if (target.exists() && !target.isFile()) {
        const Outcome outcome = PaintPages(lines, font, printer, printer, progress);
        if (outcome == Outcome::Refused ||
            (outcome == Outcome::Printed && printer.printerState() == QPrinter::Error)) {
            return FailureText(printer);
        }
        return std::nullopt;
    }
    Outcome outcome = Outcome::Printed;
    const SaveResult saved = SaveFileAtomically(printer.outputFileName(), [&](QIODevice& device) {
        QPdfWriter writer(&device);
        writer.setTitle(printer.docName());
        writer.setCreator(printer.creator());
        writer.setPdfVersion(printer.pdfVersion());
        writer.setResolution(printer.resolution());
        writer.setPageLayout(printer.pageLayout());
        outcome = PaintPages(lines, font, printer, writer, progress);
        // Cancelled, nothing is put in the file's place.
        return outcome == Outcome::Printed;
    });
    if (outcome == Outcome::Cancelled) {
        return std::nullopt;
    }
    if (!saved) {
        return FailureText(printer, saved.errorMessage);
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> PrintLines(const PrintedLines& lines, const QFont& font, QPrinter& printer,
                                  Progress& progress) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        return PrintPdfFile(lines, font, printer, progress);
    }
    const Outcome outcome = PaintPages(lines, font, printer, printer, progress);
    if (outcome == Outcome::Cancelled) {
        return std::nullopt;
    }
    if (outcome == Outcome::Refused || printer.printerState() == QPrinter::Error ||
        printer.printerState() == QPrinter::Aborted) {
        return FailureText(printer);
    }
    return std::nullopt;
}

std::optional<QString> PrintJobOn(const PrintJob& job, const std::function<bool(QPrinter&)>& choose,
                                  const std::function<std::unique_ptr<Progress>()>& startProgress) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(job.title);
    if (!choose(printer)) {
        return std::nullopt;
    }
    const std::unique_ptr<Progress> progress = startProgress();
    return PrintLines(job.lines, job.font, printer, *progress);
}

} // namespace tavrix
