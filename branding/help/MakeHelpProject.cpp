// Writes the manual's help project from its hand-written pages and the unit
// catalogue:
//   MakeHelpProject <source folder> <project folder> <compiled manual (.qch)>
// The hand-written pages and the style sheet are copied; one page per
// category is written with the category's notes (notes/category-NN.html,
// where a category has something to explain) and the table of its units in
// both spellings; Tavrix_Help.qhp.in gets the category sections, the index
// entries of every unit and the file list; Tavrix_Help.qhcp registers the
// compiled manual in the collection.
#include "Tavrix_Units.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

namespace {

using namespace tavrix;

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Xml(const QString& text) {
    return text.toHtmlEscaped();
}

QString CategoryPage(int category) {
    return QStringLiteral("category-%1.html").arg(category, 2, 10, QLatin1Char('0'));
}

QString UnitAnchor(int unit) {
    return QStringLiteral("unit-%1").arg(unit);
}

bool ReadFile(const QString& path, QString& text) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    text = QString::fromUtf8(file.readAll());
    return true;
}

bool WriteFile(const QString& path, const QString& text) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray bytes = text.toUtf8();
    return file.write(bytes) == bytes.size();
}

QString CategoryPageText(int category, const QString& notes) {
    const CategoryRange range = CategoryUnitRange.at(static_cast<std::size_t>(category));
    const QString name = Text(CategoryNames.at(static_cast<std::size_t>(category)));
    const std::span<const UnitIndex> units = CategoryUnits(category);
    QString rows;
    for (const UnitIndex unit : units) {
        const std::size_t at = unit;
        const QString european = Text(UnitNamesEuropean.at(at)).trimmed();
        const QString usa = Text(UnitNamesUSA.at(at)).trimmed();
        const bool base = unit == range.baseUnit;
        // The help viewer scrolls to named anchors only, not to an element's id.
        rows += QStringLiteral("<tr><td><a name=\"%1\">%2</a>%3</td><td>%4</td></tr>\n")
                    .arg(UnitAnchor(unit), Xml(european),
                         base ? QStringLiteral(" <i>(base unit)</i>") : QString(),
                         usa == european ? QStringLiteral("&nbsp;") : Xml(usa));
    }
    return QStringLiteral(
               "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">"
               "<title>%1</title><link rel=\"stylesheet\" type=\"text/css\" "
               "href=\"help.css\"></head>\n<body>\n"
               "<h1>%1</h1>\n%2\n"
               "<h2>Units</h2>\n<p>Choose <b>%1</b> in the category list to see these %3 units. "
               "When the category is chosen the value field shows %4.</p>\n"
               "<table>\n<tr><th>European spelling</th><th>USA spelling (where different)</th></tr>\n"
               "%5</table>\n"
               "<p class=\"seealso\">See also: <a href=\"converting.html\">Converting a value</a>, "
               "<a href=\"categories.html\">Categories and units</a>.</p>\n"
               "</body></html>\n")
        .arg(Xml(name), notes, QString::number(units.size()), QString::number(range.initialValue), rows);
}

int Fail(const QString& what) {
    std::fprintf(stderr, "MakeHelpProject: %s\n", qPrintable(what));
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4)
        return Fail(QStringLiteral("usage: MakeHelpProject <source folder> <project folder> <manual.qch>"));
    const QDir source(QString::fromLocal8Bit(argv[1]));
    const QDir project(QString::fromLocal8Bit(argv[2]));
    const QString compiledManual = QString::fromLocal8Bit(argv[3]);
    if (!QDir().mkpath(project.path()))
        return Fail(QStringLiteral("cannot make ") + project.path());

    QStringList files{QStringLiteral("help.css")};
    if (!QFile::copy(source.filePath(QStringLiteral("help.css")),
                     project.filePath(QStringLiteral("help.css"))))
        return Fail(QStringLiteral("cannot copy help.css"));
    const QDir pages(source.filePath(QStringLiteral("pages")));
    for (const QString& page : pages.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name)) {
        if (!QFile::copy(pages.filePath(page), project.filePath(page)))
            return Fail(QStringLiteral("cannot copy ") + page);
        files << page;
    }

    QString sections;
    QString keywords;
    for (int category = 0; category < CategoryCount; ++category) {
        const QString page = CategoryPage(category);
        QString notes;
        ReadFile(
            source.filePath(QStringLiteral("notes/category-%1.html").arg(category, 2, 10, QLatin1Char('0'))),
            notes);
        if (!WriteFile(project.filePath(page), CategoryPageText(category, notes)))
            return Fail(QStringLiteral("cannot write ") + page);
        files << page;
        const QString name = Text(CategoryNames.at(static_cast<std::size_t>(category)));
        sections += QStringLiteral("        <section title=\"%1\" ref=\"%2\"/>\n").arg(Xml(name), page);
        keywords += QStringLiteral("      <keyword name=\"%1\" ref=\"%2\"/>\n").arg(Xml(name), page);

        for (const UnitIndex unit : CategoryUnits(category)) {
            const std::size_t at = unit;
            QStringList spellings{Text(UnitNamesEuropean.at(at)).trimmed(),
                                  Text(UnitNamesUSA.at(at)).trimmed()};
            spellings.removeDuplicates();
            for (const QString& spelling : spellings)
                keywords += QStringLiteral("      <keyword name=\"%1\" ref=\"%2#%3\"/>\n")
                                .arg(Xml(spelling), page, UnitAnchor(unit));
        }
    }

    QString projectText;
    if (!ReadFile(source.filePath(QStringLiteral("Tavrix_Help.qhp.in")), projectText))
        return Fail(QStringLiteral("cannot read Tavrix_Help.qhp.in"));
    QString fileList;
    for (const QString& file : files)
        fileList += QStringLiteral("      <file>%1</file>\n").arg(file);
    projectText.replace(QStringLiteral("@CATEGORY_SECTIONS@\n"), sections)
        .replace(QStringLiteral("@UNIT_KEYWORDS@\n"), keywords)
        .replace(QStringLiteral("@FILES@\n"), fileList);
    if (!WriteFile(project.filePath(QStringLiteral("Tavrix_Help.qhp")), projectText))
        return Fail(QStringLiteral("cannot write Tavrix_Help.qhp"));

    const QString collection =
        QStringLiteral(
            "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<QHelpCollectionProject version=\"1.0\">\n"
            "  <docFiles>\n    <register>\n      <file>%1</file>\n    </register>\n  </docFiles>\n"
            "</QHelpCollectionProject>\n")
            .arg(Xml(QFileInfo(compiledManual).absoluteFilePath()));
    if (!WriteFile(project.filePath(QStringLiteral("Tavrix_Help.qhcp")), collection))
        return Fail(QStringLiteral("cannot write Tavrix_Help.qhcp"));
    return 0;
}
