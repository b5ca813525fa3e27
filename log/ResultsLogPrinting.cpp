#include "ResultsLogPrinting.h"

#include "AtomicSave.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <vector>

namespace tavrix {

namespace {

// One row of text and where it goes on its page.
struct PlacedLine {
    QTextLine line;
    QPointF position;
};
using Page = std::vector<PlacedLine>;

// Splits the laid-out document into pages of `pageHeight`: a row that does
// not fit below the last one starts the next page. Each row lands on exactly
// one page; drawing a page through the document layout would also put the
// rows next to it, clipped away, into the printout, where they show up
// twice in a PDF's text.
std::vector<Page> Paginate(const QTextDocument& document, qreal pageHeight) {
    std::vector<Page> pages(1);
    qreal pageTop = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* rows = block.layout();
        for (int row = 0; row < rows->lineCount(); ++row) {
            const QTextLine line = rows->lineAt(row);
            const qreal top = rows->position().y() + line.y();
            if (top + line.height() - pageTop > pageHeight && !pages.back().empty()) {
                pages.emplace_back();
                pageTop = top;
            }
            pages.back().push_back({line, QPointF(rows->position().x(), rows->position().y() - pageTop)});
        }
    }
    return pages;
}

// Qt's printing layer only tells that a job failed, not why: name what
// refused it, and why where the file system said so.
QString FailureText(const QPrinter& printer, const QString& reason = {}) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        const QString file = QDir::toNativeSeparators(printer.outputFileName());
        return reason.isEmpty()
                   ? QStringLiteral("Printing failed: cannot write the file \"%1\".").arg(file)
                   : QStringLiteral("Printing failed: cannot write the file \"%1\": %2.").arg(file, reason);
    }
    return QStringLiteral("Printing failed: the printer \"%1\" did not accept the job.")
        .arg(printer.printerName());
}

// The chosen pages, as many times as asked, on `device`; false when the
// device refused a page.
bool PaintPages(const std::vector<Page>& pages, QPagedPaintDevice& device, const QPageRanges& chosen,
                int copies) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    painter.setPen(Qt::black);
    bool firstPage = true;
    for (int copy = 0; copy < copies; ++copy) {
        for (std::size_t index = 0; index < pages.size(); ++index) {
            if (!chosen.isEmpty() && !chosen.contains(static_cast<int>(index) + 1)) {
                continue;
            }
            if (!firstPage && !device.newPage()) {
                painter.end();
                return false;
            }
            firstPage = false;
            for (const PlacedLine& placed : pages[index]) {
                placed.line.draw(&painter, placed.position);
            }
        }
    }
    return painter.end();
}

// Qt's PDF writer goes on silently when its writes fail and would leave a
// file cut short. So a PDF file is written as any file of the program is:
// beside its place, and put there only whole; the file system's reason
// comes back when it cannot be. Only a FIFO or a device in the file's place
// takes the PDF directly.
std::optional<QString> PrintPdfFile(const std::vector<Page>& pages, QPrinter& printer,
                                    const QPageRanges& chosen, int copies) {
    const QFileInfo target(printer.outputFileName());
    if (target.exists() && !target.isFile()) {
        if (!PaintPages(pages, printer, chosen, copies) || printer.printerState() == QPrinter::Error) {
            return FailureText(printer);
        }
        return std::nullopt;
    }
    const SaveResult saved = SaveFileAtomically(printer.outputFileName(), [&](QIODevice& device) {
        QPdfWriter writer(&device);
        writer.setTitle(printer.docName());
        writer.setCreator(printer.creator());
        writer.setPdfVersion(printer.pdfVersion());
        writer.setResolution(printer.resolution());
        writer.setPageLayout(printer.pageLayout());
        return PaintPages(pages, writer, chosen, copies);
    });
    if (!saved) {
        return FailureText(printer, saved.errorMessage);
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> PrintDocument(QTextDocument& document, QPrinter& printer) {
    // Laid out in the printer's own resolution at the width of its printable
    // area, where painting starts; no margin of the document's own.
    document.documentLayout()->setPaintDevice(&printer);
    document.setDocumentMargin(0);
    // A word wider than the page is broken too, rather than cut off at its edge.
    QTextOption wrapping = document.defaultTextOption();
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document.setDefaultTextOption(wrapping);
    document.setTextWidth(printer.width());
    // The layout goes on in the background past the first screenful; asking
    // for the whole size makes it finish now.
    document.documentLayout()->documentSize();
    const std::vector<Page> pages = Paginate(document, printer.height());

    // The pages the person chose, as many times as asked where the printer
    // does not make the copies itself.
    const QPageRanges chosen =
        printer.printRange() == QPrinter::PageRange ? printer.pageRanges() : QPageRanges();
    const int copies = printer.supportsMultipleCopies() ? 1 : printer.copyCount();

    if (printer.outputFormat() == QPrinter::PdfFormat) {
        return PrintPdfFile(pages, printer, chosen, copies);
    }
    if (!PaintPages(pages, printer, chosen, copies) || printer.printerState() == QPrinter::Error ||
        printer.printerState() == QPrinter::Aborted) {
        return FailureText(printer);
    }
    return std::nullopt;
}

} // namespace tavrix
