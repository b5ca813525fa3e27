// Sets an HTML document into an A4 PDF:  MakePdf <source.html> <output.pdf>
// The document's <title> becomes the PDF's title; pages are numbered at the foot.
#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <cstdio>

namespace {

constexpr int Resolution = 300;
constexpr qreal MarginMm = 20;
constexpr qreal FooterPoints = 8;

// Qt's text layout, asked to draw a page, draws the line just above it too:
// out of sight, but in the PDF's text layer, so a paragraph split over two
// pages would repeat the last line of one at the top of the next. Each
// paragraph that would be split starts a new page instead.
void KeepParagraphsOnOnePage(QTextDocument& document) {
    const qreal pageHeight = document.pageSize().height();
    const auto pageOf = [pageHeight](qreal y) { return static_cast<int>(y / pageHeight); };
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        // Asking for the block's place lays it out first.
        const qreal top = document.documentLayout()->blockBoundingRect(block).top();
        const QTextLayout* layout = block.layout();
        if (layout == nullptr || layout->lineCount() < 2)
            continue;
        const QTextLine first = layout->lineAt(0);
        const QTextLine last = layout->lineAt(layout->lineCount() - 1);
        if (pageOf(top + first.y()) == pageOf(top + last.y() + last.height() - 1))
            continue;
        QTextBlockFormat format = block.blockFormat();
        format.setPageBreakPolicy(format.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(block).setBlockFormat(format); // lays the rest of the document out again
    }
}

int Fail(const char* what, const char* path) {
    std::fprintf(stderr, "MakePdf: %s %s\n", what, path);
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    if (argc != 3)
        return Fail("usage: MakePdf <source.html> <output.pdf>", "");
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly))
        return Fail("cannot read", argv[1]);

    QTextDocument document;
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPointSizeF(10.5);
    document.setDefaultFont(font);
    document.setHtml(QString::fromUtf8(source.readAll()));

    QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
    writer.setResolution(Resolution);
    writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
    writer.setCreator(QStringLiteral("Tavrix"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm),
                                     QPageLayout::Millimeter));

    // The document is laid out at the writer's resolution, one page tall,
    // leaving room for the page number.
    const QRectF page = writer.pageLayout().paintRectPixels(Resolution);
    const qreal footer = FooterPoints * Resolution / 72.0 * 3;
    document.documentLayout()->setPaintDevice(&writer);
    document.setPageSize(QSizeF(page.width(), page.height() - footer));
    KeepParagraphsOnOnePage(document);

    QPainter painter;
    if (!painter.begin(&writer))
        return Fail("cannot write", argv[2]);
    const int pages = document.pageCount();
    for (int number = 1; number <= pages; ++number) {
        if (number > 1)
            writer.newPage();
        painter.save();
        const qreal top = (number - 1) * (page.height() - footer);
        painter.translate(0, -top);
        document.drawContents(&painter, QRectF(0, top, page.width(), page.height() - footer));
        painter.restore();
        QFont footerFont(QStringLiteral("DejaVu Sans"));
        footerFont.setPointSizeF(FooterPoints);
        painter.setFont(footerFont);
        painter.setPen(Qt::darkGray);
        painter.drawText(QRectF(0, page.height() - footer / 2, page.width(), footer / 2), Qt::AlignCenter,
                         QStringLiteral("%1 / %2").arg(number).arg(pages));
    }
    return painter.end() ? 0 : Fail("cannot finish", argv[2]);
}
