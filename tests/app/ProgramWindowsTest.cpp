// The windows as the program creates and wires them.
#include "ProgramWindows.h"
#include "DataPaths.h"
#include "HelpWindow.h"
#include "QtDesktop.h"

#include <QHelpEngine>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace tavrix {
namespace {

// Help comes from the help folder, which an installed program keeps apart
// from the folder of its settings and memory.
TEST(ProgramWindows, HelpOpensTheCollectionInTheHelpFolder) {
    QTemporaryDir dataFolder;
    ASSERT_TRUE(dataFolder.isValid());
    const QString helpFolder = QStringLiteral(TAVRIX_HELP_DIR);
    QtDesktop desktop;
    ProgramWindows windows(desktop, DataPaths(dataFolder.path(), helpFolder));

    desktop.showHelp(HelpView::Contents);
    const QList<HelpWindow*> help = windows.mainWindow.findChildren<HelpWindow*>();
    ASSERT_EQ(help.size(), 1);
    ASSERT_NE(help.front()->engine(), nullptr) << "no help collection was found";
    EXPECT_EQ(help.front()->engine()->collectionFile(), helpFolder + '/' + HelpCollectionFile);
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
