// The installed program looks for its manual and its help viewer where its
// executable's layout says (the same decision main() takes), the viewer
// loads, and the collection there leads to the manual installed beside it,
// not to the build's copy.
#include "DataPaths.h"
#include "HelpOnDemand.h"
#include "HelpWindow.h"

#include <QHelpContentModel>
#include <QHelpEngine>
#include <QLibrary>
#include <QTest>

#include <gtest/gtest.h>

namespace tavrix {
namespace {

const QString StagingRoot = QStringLiteral(TAVRIX_STAGING_ROOT);

TEST(InstalledHelp, TheInstalledProgramReadsItsManualFromThePrefix) {
    const DataPaths paths = DataPaths::forExecutableIn(StagingRoot + "/usr/bin");
    const QString installedHelp = StagingRoot + "/usr/share/tavrix/Help";
    ASSERT_EQ(paths.helpFolder(), installedHelp);
    ASSERT_EQ(paths.helpModule(), StagingRoot + "/usr/lib/tavrix/plugins/tavrix-help.so");
    QLibrary viewer(paths.helpModule());
    EXPECT_NE(viewer.resolve(ShowHelpSymbol), nullptr) << viewer.errorString().toStdString();

    HelpWindow help(paths.helpFolder() + '/' + HelpCollectionFile);
    ASSERT_NE(help.engine(), nullptr) << "the installed collection does not open";
    QHelpEngine& engine = *help.engine();
    const QStringList manuals = engine.registeredDocumentations();
    ASSERT_EQ(manuals.size(), 1);
    EXPECT_EQ(engine.documentationFileName(manuals.first()), installedHelp + "/Tavrix_Help.qch");

    ASSERT_TRUE(QTest::qWaitFor([&engine] { return engine.contentModel()->rowCount() > 0; }, 10000));
    const QHelpContentItem* firstPage =
        engine.contentModel()->contentItemAt(engine.contentModel()->index(0, 0));
    ASSERT_NE(firstPage, nullptr);
    EXPECT_FALSE(engine.fileData(firstPage->url()).isEmpty()) << firstPage->url().toString().toStdString();
}

} // namespace
} // namespace tavrix
