#include "ResultsLogPrinting.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
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
// refused it.
QString FailureText(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        return QStringLiteral("Printing failed: cannot write the file \"%1\".")
            .arg(QDir::toNativeSeparators(printer.outputFileName()));
    }
    return QStringLiteral("Printing failed: the printer \"%1\" did not accept the job.")
        .arg(printer.printerName());
}

// Qt's PDF writer does not report failed writes (a full disk) and leaves a
// file cut short: one that lacks the closing end-of-file marker. Only a
// regular file is read back; a device or a pipe is taken as written.
bool PdfCutShort(const QPrinter& printer) {
    if (printer.outputFormat() != QPrinter::PdfFormat || !QFileInfo(printer.outputFileName()).isFile()) {
        return false;
    }
    QFile written(printer.outputFileName());
    constexpr qint64 TailSize = 32;
    return !written.open(QIODevice::ReadOnly) ||
           !written.seek(std::max<qint64>(0, written.size() - TailSize)) ||
           !written.read(TailSize).contains("%%EOF");
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

    QPainter painter;
    if (!painter.begin(&printer)) {
        return FailureText(printer);
    }
    painter.setPen(Qt::black);
    bool firstPage = true;
    for (int copy = 0; copy < copies; ++copy) {
        for (std::size_t index = 0; index < pages.size(); ++index) {
            if (!chosen.isEmpty() && !chosen.contains(static_cast<int>(index) + 1)) {
                continue;
            }
            if (!firstPage && !printer.newPage()) {
                painter.end();
                return FailureText(printer);
            }
            firstPage = false;
            for (const PlacedLine& placed : pages[index]) {
                placed.line.draw(&painter, placed.position);
            }
        }
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error ||
        printer.printerState() == QPrinter::Aborted || PdfCutShort(printer)) {
        return FailureText(printer);
    }
    return std::nullopt;
}

} // namespace tavrix
