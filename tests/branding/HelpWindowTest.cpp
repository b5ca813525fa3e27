// The manual as the build made it, opened in the help window offscreen:
// every page of its contents loads, every index entry leads to a page, and
// every unit and message can be found by name.
#include "HelpWindow.h"
#include "ProgramMessageText.h"
#include "ProgramMessages.h"
#include "Tavrix_Units.h"
#include "UnwritableFolders.h"
#include "Widgets.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QLabel>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

namespace tavrix {
namespace {

const QString BuiltHelpFolder = QStringLiteral(TAVRIX_HELP_DIR);

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Waits until the engine's contents and index, which fill in the background, are there.
bool WaitForContentsAndIndex(QHelpEngine& engine) {
    return QTest::qWaitFor(
        [&engine] {
            return !engine.contentModel()->isCreatingContents() && engine.contentModel()->rowCount() > 0 &&
                   !engine.indexModel()->isCreatingIndex() && engine.indexModel()->rowCount() > 0;
        },
        10000);
}

void CollectContents(const QHelpContentItem& item, QList<QUrl>& pages) {
    for (int row = 0; row < item.childCount(); ++row) {
        pages << item.child(row)->url();
        CollectContents(*item.child(row), pages);
    }
}

// One click on the entry `title` of the contents, as a person chooses a page.
void ClickContentsEntry(QHelpEngine& engine, const QString& title) {
    QHelpContentWidget& contents = *engine.contentWidget();
    const QModelIndexList entry = engine.contentModel()->match(
        engine.contentModel()->index(0, 0), Qt::DisplayRole, title, 1, Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(entry.size(), 1) << title.toStdString();
    contents.scrollTo(entry.front());
    ClickAt(*contents.viewport(), contents.visualRect(entry.front()).center());
}

QString PageOf(const QHelpEngine& engine, const QUrl& url) {
    QUrl page = url;
    page.setFragment({});
    return QString::fromUtf8(engine.fileData(page));
}

class BuiltManual : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QFile::exists(BuiltHelpFolder + '/' + HelpCollectionFile));
        ASSERT_NE(help.engine(), nullptr);
        ASSERT_TRUE(WaitForContentsAndIndex(*help.engine()));
    }
    QHelpEngine& engine() { return *help.engine(); }
    QStringList keywords() {
        QStringList all;
        for (int row = 0; row < engine().indexModel()->rowCount(); ++row)
            all << engine().indexModel()->data(engine().indexModel()->index(row, 0)).toString();
        return all;
    }
    // The titles of the pages `keyword` leads to; each must exist and hold its anchor.
    QStringList pagesFor(const QString& keyword) {
        QStringList titles;
        for (const QHelpLink& link : engine().documentsForKeyword(keyword)) {
            const QString page = PageOf(engine(), link.url);
            EXPECT_FALSE(page.isEmpty())
                << keyword.toStdString() << " -> " << link.url.toString().toStdString();
            if (link.url.hasFragment()) {
                EXPECT_TRUE(page.contains("id=\"" + link.url.fragment() + "\"") ||
                            page.contains("name=\"" + link.url.fragment() + "\""))
                    << keyword.toStdString() << " -> " << link.url.toString().toStdString();
            }
            titles << link.title;
        }
        return titles;
    }

    HelpWindow help{BuiltHelpFolder + '/' + HelpCollectionFile};
};

TEST_F(BuiltManual, EveryPageOfTheContentsLoads) {
    QList<QUrl> pages;
    CollectContents(*engine().contentModel()->contentItemAt(QModelIndex()), pages);
    // 12 chapters and a page per category.
    EXPECT_EQ(pages.size(), 13 + CategoryCount);
    for (const QUrl& url : pages) {
        const QString page = PageOf(engine(), url);
        EXPECT_TRUE(page.contains("<h1>")) << url.toString().toStdString();
        // Nothing may come from outside the manual.
        EXPECT_FALSE(page.contains("http://") || page.contains("https://")) << url.toString().toStdString();
    }
    // The window opens on the first page once the contents are there.
    EXPECT_TRUE(QTest::qWaitFor([this] { return !Find<QTextBrowser>(help, "HelpPage").source().isEmpty(); }));
    EXPECT_EQ(Find<QTextBrowser>(help, "HelpPage").documentTitle(), "Getting started");
}

TEST_F(BuiltManual, PagesWearTheManualsStyleSheet) {
    const QTextBrowser& page = Find<QTextBrowser>(help, "HelpPage");
    ASSERT_TRUE(QTest::qWaitFor([&page] { return !page.source().isEmpty(); }));
    // The heading's colour comes from help.css, which the page names relative to itself.
    const QTextCharFormat heading = page.document()->begin().begin().fragment().charFormat();
    EXPECT_EQ(heading.foreground().color(), QColor(0x1f, 0x4e, 0x79));
}

TEST_F(BuiltManual, EveryIndexEntryLeadsToAPage) {
    const QStringList all = keywords();
    EXPECT_GT(all.size(), 300);
    for (const QString& keyword : all)
        EXPECT_FALSE(pagesFor(keyword).isEmpty()) << keyword.toStdString();
}

TEST_F(BuiltManual, EveryUnitIsFoundOnItsCategorysPage) {
    for (int category = 0; category < CategoryCount; ++category) {
        const QString categoryName = Text(CategoryNames.at(static_cast<std::size_t>(category)));
        EXPECT_TRUE(pagesFor(categoryName).contains(categoryName)) << categoryName.toStdString();
        for (const UnitIndex unit : CategoryUnits(category)) {
            for (const auto* names : {&UnitNamesEuropean, &UnitNamesUSA}) {
                const QString name = Text(names->at(unit)).trimmed();
                EXPECT_TRUE(pagesFor(name).contains(categoryName))
                    << name.toStdString() << " not found on " << categoryName.toStdString();
            }
        }
    }
}

// The messages page explains exactly the program's own list of messages,
// each under its anchor and as the program words it, and the index leads
// to each.
TEST_F(BuiltManual, ExplainsEveryMessageTheProgramShows) {
    const QList<QHelpLink> links = engine().documentsForKeyword("messages");
    ASSERT_EQ(links.size(), 1);
    const QString page = PageOf(engine(), links.front().url);
    QMap<QString, QString> headings;
    const QRegularExpression heading("<h2 id=\"([^\"]+)\">(.*?)</h2>",
                                     QRegularExpression::DotMatchesEverythingOption);
    for (const QRegularExpressionMatch& match : heading.globalMatch(page)) {
        QString text = match.captured(2);
        text.replace(QRegularExpression("<i>[^<]*</i>"), "*");
        text.remove(QRegularExpression("<[^>]*>"));
        headings[match.captured(1)] = OneSpaced(text);
    }
    QSet<QString> indexed;
    for (const QString& keyword : keywords())
        for (const QHelpLink& link : engine().documentsForKeyword(keyword))
            if (link.url.fileName() == "messages.html")
                indexed << link.url.fragment();

    QStringList listed;
    for (const ProgramMessage& message : ProgramMessages) {
        listed << message.anchor;
        const QString text = OneSpaced(message.text);
        const QString withoutAdvice = text.endsWith(" *") ? text.chopped(2) : text;
        EXPECT_TRUE(headings.value(message.anchor) == text || headings.value(message.anchor) == withoutAdvice)
            << message.anchor.toStdString() << ": the page says \""
            << headings.value(message.anchor).toStdString() << "\", the program \"" << text.toStdString()
            << "\"";
        EXPECT_TRUE(indexed.contains(message.anchor))
            << message.anchor.toStdString() << " is not in the index";
    }
    listed.sort();
    EXPECT_EQ(QStringList(headings.keys()), listed)
        << "the page explains messages the program no longer shows";
}

TEST_F(BuiltManual, AnEntryWithSeveralPagesOffersThemAll) {
    // "litre" names a unit of liquid measure and one of volume.
    ASSERT_GT(engine().documentsForKeyword("litre").size(), 1);
    QHelpIndexWidget& index = *engine().indexWidget();
    index.filterIndices("litre");
    const QModelIndexList exact = engine().indexModel()->match(engine().indexModel()->index(0, 0),
                                                               Qt::DisplayRole, "litre", 1, Qt::MatchExactly);
    ASSERT_EQ(exact.size(), 1);
    index.setCurrentIndex(exact.front());
    index.activateCurrentItem();
    const QTextBrowser& page = Find<QTextBrowser>(help, "HelpPage");
    EXPECT_TRUE(page.toPlainText().contains("Topics for \"litre\"")) << page.toPlainText().toStdString();
    EXPECT_TRUE(page.toPlainText().contains("Liquid measure"));
    EXPECT_TRUE(page.toPlainText().contains("Volume / Capacity"));
}

// A unit chosen in the index opens its category's page scrolled to the
// unit's row, also for units far down a long page.
TEST_F(BuiltManual, AUnitChosenInTheIndexIsInView) {
    help.showView(HelpView::Index);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    QHelpIndexWidget& index = *engine().indexWidget();
    QTextBrowser& page = Find<QTextBrowser>(help, "HelpPage");
    for (const QString unit : {"Mach (sea level)", "tonne-force/m²", "Barrels/day (oil)", "m/sec²"}) {
        ASSERT_EQ(engine().documentsForKeyword(unit).size(), 1) << unit.toStdString();
        index.filterIndices(unit);
        const QModelIndexList exact = engine().indexModel()->match(
            engine().indexModel()->index(0, 0), Qt::DisplayRole, unit, 1, Qt::MatchExactly);
        ASSERT_EQ(exact.size(), 1) << unit.toStdString();
        index.setCurrentIndex(exact.front());
        index.activateCurrentItem();
        QTest::qWait(50);
        const QTextCursor row = page.document()->find(unit, 0, QTextDocument::FindCaseSensitively);
        ASSERT_FALSE(row.isNull()) << unit.toStdString();
        const QRect shown = page.cursorRect(row);
        EXPECT_TRUE(page.viewport()->rect().contains(shown))
            << unit.toStdString() << " is at " << shown.y() << ", outside the visible 0.."
            << page.viewport()->height();
    }
}

TEST_F(BuiltManual, OneClickOpensAPage) {
    help.showView(HelpView::Contents);
    ClickContentsEntry(engine(), "Temperature");
    EXPECT_EQ(Find<QTextBrowser>(help, "HelpPage").documentTitle(), "Temperature");

    help.showView(HelpView::Index);
    QHelpIndexWidget& index = *engine().indexWidget();
    index.filterIndices("absolute zero");
    ClickAt(*index.viewport(), index.visualRect(engine().indexModel()->index(0, 0)).center());
    EXPECT_EQ(Find<QTextBrowser>(help, "HelpPage").documentTitle(), "Temperature");
}

TEST_F(BuiltManual, OpensOnTheAskedView) {
    const QTabWidget& navigation = Find<QTabWidget>(help, "HelpNavigation");
    help.showView(HelpView::Index);
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(navigation.currentWidget()->findChild<QHelpIndexWidget*>(), engine().indexWidget());
    help.showView(HelpView::Contents);
    EXPECT_EQ(navigation.currentWidget()->findChild<QHelpContentWidget*>(), engine().contentWidget());
}

// An installed manual lies in a folder nobody may write to.
TEST(InstalledManual, WorksFromAFolderThatCannotBeWritten) {
    QTemporaryDir copy;
    ASSERT_TRUE(copy.isValid());
    for (const QString& file : QDir(BuiltHelpFolder).entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(BuiltHelpFolder + '/' + file, copy.filePath(file)));
    const QStringList before = QDir(copy.path()).entryList(QDir::Files);
    ImmutableFolder locked(copy.path());
    if (!locked.made())
        GTEST_SKIP() << "no immutable folders here";
    HelpWindow help(copy.filePath(HelpCollectionFile));
    ASSERT_NE(help.engine(), nullptr);
    EXPECT_TRUE(WaitForContentsAndIndex(*help.engine()));
    EXPECT_FALSE(help.engine()->documentsForKeyword("m/sec²").isEmpty());
    EXPECT_EQ(QDir(copy.path()).entryList(QDir::Files), before);
}

TEST(MissingManual, SaysSoAndCreatesNothing) {
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    HelpWindow help(empty.filePath(HelpCollectionFile));
    help.showView(HelpView::Index);
    EXPECT_EQ(help.engine(), nullptr);
    EXPECT_TRUE(Find<QTextBrowser>(help, "HelpPage").toPlainText().contains("cannot be found"));
    EXPECT_TRUE(QDir(empty.path()).isEmpty());
}

// A damaged help file gives the same clear message as a missing one: never
// an empty contents, index or page.
TEST(DamagedManual, SaysSoInsteadOfShowingBlankPages) {
    const auto truncated = [](QByteArray bytes) { return bytes.left(bytes.size() / 2); };
    const auto garbage = [](QByteArray bytes) { return QByteArray(bytes.size(), 'x'); };
    const auto holed = [](QByteArray bytes) {
        // Zeros over the back half, where the compressed pages lie.
        return bytes.left(bytes.size() / 2) + QByteArray(bytes.size() - bytes.size() / 2, '\0');
    };
    const struct {
        const char* file;
        const char* damage;
        std::function<QByteArray(QByteArray)> make;
    } cases[] = {
        {"Tavrix_Help.qhc", "cut short", truncated}, {"Tavrix_Help.qhc", "garbage", garbage},
        {"Tavrix_Help.qch", "cut short", truncated}, {"Tavrix_Help.qch", "garbage", garbage},
        {"Tavrix_Help.qch", "holed", holed},
    };
    for (const auto& test : cases) {
        const std::string what = std::string(test.file) + " " + test.damage;
        QTemporaryDir copy;
        ASSERT_TRUE(copy.isValid());
        for (const QString& file : QDir(BuiltHelpFolder).entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(BuiltHelpFolder + '/' + file, copy.filePath(file)));
        QFile damaged(copy.filePath(test.file));
        ASSERT_TRUE(damaged.open(QIODevice::ReadWrite));
        const QByteArray bytes = test.make(damaged.readAll());
        damaged.resize(0);
        damaged.write(bytes);
        damaged.close();

        HelpWindow help(copy.filePath(HelpCollectionFile));
        help.showView(HelpView::Contents);
        const QTextBrowser& page = Find<QTextBrowser>(help, "HelpPage");
        EXPECT_TRUE(QTest::qWaitFor([&page] { return page.toPlainText().contains("cannot be read"); }, 10000))
            << what << ": the page says \"" << page.toPlainText().toStdString() << "\"";
    }
}

// A copy of the built manual in `folder`, with `damage`, one SQL statement,
// done to its `file`: the collection and the compressed manual are SQLite
// databases.
void CopyManualDamaged(const QTemporaryDir& folder, const QString& file, const QString& damage) {
    for (const QString& name : QDir(BuiltHelpFolder).entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(BuiltHelpFolder + '/' + name, folder.filePath(name)));
    {
        QSqlDatabase database = QSqlDatabase::addDatabase("QSQLITE", "damage");
        database.setDatabaseName(folder.filePath(file));
        ASSERT_TRUE(database.open());
        QSqlQuery query(database);
        ASSERT_TRUE(query.exec(damage)) << query.lastError().text().toStdString();
        ASSERT_GT(query.numRowsAffected(), 0) << damage.toStdString();
    }
    QSqlDatabase::removeDatabase("damage");
}

// Help found damaged says what cannot be read, in the page's place: with
// nothing registered in the collection, or a first page that cannot be
// read, there is no manual to show; a single page that cannot be read says
// so where it would be, and the rest of the manual stays at hand.
TEST(DamagedManual, SaysWhatCannotBeReadInThePagesPlace) {
    const QString dropPage = "DELETE FROM FileDataTable WHERE Id = "
                             "(SELECT FileId FROM FileNameTable WHERE Name = '%1')";
    const QString damaged = "The help file \"%1\" cannot be read: it is damaged.";
    const struct {
        const char* damage;
        const char* file;
        QString statement;
        // The page the person then chooses in the contents; none where no manual is left.
        QString chosen;
        QString says;
    } cases[] = {
        {"no documentation registered", "Tavrix_Help.qhc", "DELETE FROM NamespaceTable", {}, damaged},
        {"first page unreadable", "Tavrix_Help.qch", dropPage.arg("index.html"), {}, damaged},
        {"one page unreadable", "Tavrix_Help.qch", dropPage.arg("calculator.html"),
         "The calculator and its memory", "The page \"calculator.html\" cannot be read from the help file."},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.damage);
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        CopyManualDamaged(folder, test.file, test.statement);
        const QString collection = folder.filePath(HelpCollectionFile);
        HelpWindow help(collection);
        help.showView(HelpView::Contents);
        const QTextBrowser& page = Find<QTextBrowser>(help, "HelpPage");
        const bool manualLeft = !test.chosen.isEmpty();
        if (manualLeft) {
            ASSERT_TRUE(QTest::qWaitFor([&page] { return !page.source().isEmpty(); }, 10000));
            ClickContentsEntry(*help.engine(), test.chosen);
        }
        const QString expected = "Help cannot be shown\n" + QString(test.says).replace("%1", collection) +
                                 "\nReinstalling the program puts the help file back in place.";
        EXPECT_TRUE(QTest::qWaitFor([&] { return page.toPlainText() == expected; }, 10000))
            << "the page says \"" << page.toPlainText().toStdString() << "\"";

        // Contents and index alike: the note in their place, or the manual at hand.
        const QTabWidget& navigation = Find<QTabWidget>(help, "HelpNavigation");
        for (const int tab : {0, 1}) {
            const QWidget& shown = *navigation.widget(tab);
            const auto noted = [&shown] {
                const QList<QLabel*> labels = shown.findChildren<QLabel*>();
                return std::any_of(labels.begin(), labels.end(), [&shown](const QLabel* label) {
                    return label->isVisibleTo(&shown) && label->text() == "No help is available.";
                });
            };
            const QList<QAbstractItemView*> views = shown.findChildren<QAbstractItemView*>();
            const bool viewShown = std::any_of(views.begin(), views.end(), [&shown](const QWidget* view) {
                return view->isVisibleTo(&shown);
            });
            // The note comes once the window has had its turn.
            EXPECT_EQ(manualLeft ? noted() : QTest::qWaitFor(noted, 10000), !manualLeft) << "tab " << tab;
            EXPECT_EQ(viewShown, manualLeft) << "tab " << tab;
        }
    }
}

TEST(HelpViewer, KeepsOneWindowForEveryCall) {
    QWidget owner;
    ShowHelpWindow(owner, BuiltHelpFolder + '/' + HelpCollectionFile, HelpView::Contents);
    ShowHelpWindow(owner, BuiltHelpFolder + '/' + HelpCollectionFile, HelpView::Index);
    const QList<HelpWindow*> windows = owner.findChildren<HelpWindow*>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_TRUE(windows.front()->isVisible());
    EXPECT_EQ(Find<QTabWidget>(*windows.front(), "HelpNavigation").currentIndex(), 1);
}

TEST(BrandedVersionDocument, IsAPdfThatNamesWhatASupplierChanges) {
    QFile document(BuiltHelpFolder + "/TavrixBrandedVersion.pdf");
    ASSERT_TRUE(document.open(QIODevice::ReadOnly));
    EXPECT_TRUE(document.read(5) == "%PDF-");
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    QProcess reader;
    reader.start(pdftotext, {document.fileName(), "-"});
    ASSERT_TRUE(reader.waitForFinished());
    const QString text = QString::fromUtf8(reader.readAllStandardOutput());
    for (const char* part : {"SupplierWebAddress", "supplier.svg", "banner.svg", "splash.svg", "test.sh"})
        EXPECT_TRUE(text.contains(part)) << part;
}

// The document's text as a reader copies it out of the PDF, one entry per line.
QStringList BrandedVersionDocumentLines() {
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        return {};
    QProcess reader;
    reader.start(pdftotext, {BuiltHelpFolder + "/TavrixBrandedVersion.pdf", "-"});
    EXPECT_TRUE(reader.waitForFinished());
    QStringList lines;
    for (const QString& line :
         QString::fromUtf8(reader.readAllStandardOutput()).split(QRegularExpression("[\n\f]")))
        lines << line.trimmed();
    return lines;
}

// Commands and paths are copied from the document into a terminal: each
// must come out whole on one line, never broken inside a word or an option
// ("-" and "/" are places a line may otherwise break).
TEST(BrandedVersionDocument, KeepsEveryCommandAndPathWholeOnOneLine) {
    const QStringList lines = BrandedVersionDocumentLines();
    if (lines.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    QFile source(QStringLiteral(TAVRIX_BRANDED_DOCUMENT_SOURCE));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(source.readAll());
    QStringList commands;
    const QRegularExpression code("<(code|pre)>(.*?)</\\1>", QRegularExpression::DotMatchesEverythingOption);
    for (const QRegularExpressionMatch& match : code.globalMatch(html))
        for (const QString& line : match.captured(2).split('\n'))
            commands << line.trimmed();
    ASSERT_TRUE(commands.contains("-DCMAKE_BUILD_TYPE=Release -DTAVRIX_BUILD_TESTS=OFF"));
    for (const QString& command : commands) {
        const bool whole = std::any_of(lines.begin(), lines.end(),
                                       [&command](const QString& line) { return line.contains(command); });
        EXPECT_TRUE(whole) << command.toStdString() << " is broken across lines";
    }
}

// A line at the foot of a page belongs to that page alone: the text layer
// must not repeat it at the top of the next.
TEST(BrandedVersionDocument, HoldsEachLineOfTextOnce) {
    const QStringList lines = BrandedVersionDocumentLines();
    if (lines.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    QStringList seen;
    for (const QString& line : lines) {
        // Short lines (page numbers, table cells, "Where") may well recur.
        if (line.size() < 25)
            continue;
        EXPECT_FALSE(seen.contains(line)) << "twice: " << line.toStdString();
        seen << line;
    }
}

} // namespace
} // namespace tavrix
