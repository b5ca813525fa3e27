// The windows as the program creates and wires them.
#include "ProgramWindows.h"
#include "DataPaths.h"
#include "QtDesktop.h"

#include <QFile>
#include <QHelpEngine>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace tavrix {
namespace {

// Help comes from the help viewer's module, loaded when help is first asked
// for, and from the help folder, which an installed program keeps apart from
// the folder of its settings and memory.
TEST(ProgramWindows, HelpOpensTheCollectionInTheHelpFolder) {
    QTemporaryDir dataFolder;
    ASSERT_TRUE(dataFolder.isValid());
    const QString helpFolder = QStringLiteral(TAVRIX_HELP_DIR);
    QtDesktop desktop;
    ProgramWindows windows(desktop,
                           DataPaths(dataFolder.path(), helpFolder, QStringLiteral(TAVRIX_HELP_MODULE)));

    desktop.showHelp(HelpView::Contents);
    desktop.showHelp(HelpView::Index);
    const QList<QWidget*> help =
        windows.mainWindow.findChildren<QWidget*>("HelpWindow", Qt::FindDirectChildrenOnly);
    ASSERT_EQ(help.size(), 1);
    EXPECT_TRUE(help.front()->isVisible());
    const auto* engine = help.front()->findChild<QHelpEngine*>();
    ASSERT_NE(engine, nullptr) << "no help collection was found";
    EXPECT_EQ(engine->collectionFile(), helpFolder + "/Tavrix_Help.qhc");
}

// Help whose viewer cannot be loaded still opens the help window, which
// says why instead of nothing happening.
TEST(ProgramWindows, HelpWithoutItsViewerSaysWhy) {
    QTemporaryDir dataFolder;
    ASSERT_TRUE(dataFolder.isValid());
    const QString notALibrary = dataFolder.filePath("not-a-library.so");
    QFile file(notALibrary);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("not a library") > 0);
    file.close();
    const struct {
        QString module;
        const char* reason;
    } cases[] = {
        {dataFolder.filePath("missing.so"), "cannot be found"},
        {notALibrary, "cannot be loaded"},
    };
    for (const auto& test : cases) {
        QtDesktop desktop;
        ProgramWindows windows(desktop,
                               DataPaths(dataFolder.path(), QStringLiteral(TAVRIX_HELP_DIR), test.module));
        desktop.showHelp(HelpView::Index);
        desktop.showHelp(HelpView::Contents);
        const QList<QWidget*> help =
            windows.mainWindow.findChildren<QWidget*>("HelpWindow", Qt::FindDirectChildrenOnly);
        ASSERT_EQ(help.size(), 1) << test.reason;
        EXPECT_TRUE(help.front()->isVisible());
        EXPECT_EQ(help.front()->windowTitle(), "Tavrix Help");
        const auto* page = help.front()->findChild<QTextBrowser*>("HelpPage");
        ASSERT_NE(page, nullptr);
        const QString text = page->toPlainText();
        EXPECT_TRUE(text.contains("Help cannot be shown") && text.contains(test.module) &&
                    text.contains(test.reason))
            << text.toStdString();
    }
}

// The calculator and the amend dialog, which no one sees at start, are made
// once the first result is on the screen, and wired to the main window.
TEST(ProgramWindows, TheHiddenWindowsFollowTheFirstPaintedResult) {
    QTemporaryDir dataFolder;
    ASSERT_TRUE(dataFolder.isValid());
    QtDesktop desktop;
    ProgramWindows windows(desktop, DataPaths(dataFolder.path(), dataFolder.path()));
    const auto made = [&windows] {
        return windows.mainWindow.findChildren<TFormCalculatorPopUp*>().size() +
               windows.mainWindow.findChildren<TFormOVConvert_LogText*>().size();
    };
    EXPECT_EQ(made(), 0);
    windows.mainWindow.show();
    ASSERT_TRUE(QTest::qWaitFor([&made] { return made() == 2; }, 10000))
        << "never made after the first paint";
    EXPECT_EQ(windows.calculator().parentWidget(), &windows.mainWindow);
    EXPECT_EQ(windows.logTextDialog().parentWidget(), &windows.mainWindow);
    EXPECT_EQ(made(), 2); // asked for again, not made again
}

// Asked for before the window is shown, they are made at once.
TEST(ProgramWindows, TheHiddenWindowsAreMadeWhenAskedForFirst) {
    QTemporaryDir dataFolder;
    ASSERT_TRUE(dataFolder.isValid());
    QtDesktop desktop;
    ProgramWindows windows(desktop, DataPaths(dataFolder.path(), dataFolder.path()));
    EXPECT_EQ(windows.calculator().parentWidget(), &windows.mainWindow);
    EXPECT_EQ(windows.mainWindow.findChildren<TFormOVConvert_LogText*>().size(), 1);
}

} // namespace
} // namespace tavrix
