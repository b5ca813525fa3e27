// The windows as the program creates and wires them.
#include "ProgramWindows.h"
#include "DataPaths.h"
#include "HelpWindow.h"
#include "QtDesktop.h"

#include <QHelpEngine>
#include <QTemporaryDir>

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

} // namespace
} // namespace tavrix
