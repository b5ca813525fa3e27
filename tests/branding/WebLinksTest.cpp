// The supplier's picture and address, the branded-version offer and the help
// menu: each goes to the desktop, and a desktop that cannot open an address
// or the document is reported.
#include "BrandedWindowFixture.h"

#include "FakePrograms.h"
#include "WebLinks.h"

#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QProcess>

namespace tavrix {
namespace {

using BrandedWindow = BrandedWindowTest;

const QUrl SupplierSite(QStringLiteral("https://www.example.com"));

TEST_F(BrandedWindow, PicturesAndAddressAreInPlace) {
    const QLabel& banner = control<QLabel>("ImageTavrixBanner");
    EXPECT_FALSE(banner.pixmap().isNull());
    EXPECT_EQ(banner.geometry(), QRect(0, 0, 578, 81));
    const QLabel& supplier = control<QLabel>("ImageSupplier_MainForm");
    EXPECT_FALSE(supplier.pixmap().isNull());
    EXPECT_EQ(supplier.geometry(), QRect(220, 9, 350, 65));
    EXPECT_EQ(supplier.toolTip(), "www.example.com");
    EXPECT_EQ(control<QLabel>("LabelProvidedByWebAddress").text(), "www.example.com");
    EXPECT_FALSE(control("LabelGiveAwayYourOwn").isVisible());
    // Drawn at the screen's density, so they stay sharp when it is scaled.
    EXPECT_EQ(banner.pixmap().devicePixelRatio(), qApp->devicePixelRatio());
}

TEST_F(BrandedWindow, SupplierLinksOpenTheSiteWithAnyButton) {
    for (const char* link : {"ImageSupplier_MainForm", "LabelProvidedByWebAddress"}) {
        for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
            desktop.expectOpenUrl(SupplierSite);
            Click(control(link), button);
            // The desktop's answer comes on the next pass of the event loop: nothing follows it.
            QTest::qWait(20);
            desktop.verify();
        }
    }
}

// The box comes when the desktop answers, which the window does not wait for.
TEST_F(BrandedWindow, ALinkWithoutBrowserSaysSo) {
    desktop.expectOpenUrl(SupplierSite, false);
    desktop.expectInformation("Cannot find web browser to view www.example.com");
    const std::size_t before = desktop.calls().size();
    Click(control("ImageSupplier_MainForm"));
    EXPECT_EQ(desktop.calls().size(), before + 1) << "the window waited for the desktop's answer";
    EXPECT_TRUE(QTest::qWaitFor([this] { return desktop.allMet(); }, SoonMs));
}

// xdg-open gets three seconds to fail: a failure within them is reported,
// one after them is not, since by then the browser has started.
TEST_F(BrandedWindow, ALinkSaysNoBrowserOnlyWhenXdgOpenFailsWithinThreeSeconds) {
    FakePrograms fake;
    fake.putFirstOnPath();
    desktop.handOverThroughHelpers();
    const struct {
        const char* then;
        bool saysNoBrowser;
    } cases[] = {
        {"sleep 2; exit 3", true},
        {"sleep 4; exit 3", false},
    };
    for (const auto& test : cases) {
        fake.addRecorder("xdg-open", test.then);
        if (test.saysNoBrowser)
            desktop.expectInformation("Cannot find web browser to view www.example.com");
        Click(control("ImageSupplier_MainForm"));
        // Until xdg-open has ended and its end has been heard.
        EXPECT_TRUE(QTest::qWaitFor([this] { return window.findChildren<QProcess*>().isEmpty(); }, 30000))
            << test.then;
        desktop.verify();
    }
    EXPECT_EQ(fake.runsOf("xdg-open"), QList<QStringList>(2, {SupplierSite.toString()}));
}

TEST_F(BrandedWindow, OfferOpensTheDocumentInTheHelpFolder) {
    const QAction& spacer = Find<QAction>(window, "GiveAwaySpacing");
    EXPECT_TRUE(spacer.isVisible());
    EXPECT_FALSE(spacer.isEnabled());
    EXPECT_EQ(spacer.text(), "---------------------->");
    EXPECT_TRUE(Find<QAction>(window, "GiveAwayYourOwnBrandedVersion1").isVisible());

    const QString document = folder.path() + "/Help/TavrixBrandedVersion.pdf";
    ASSERT_TRUE(QDir().mkpath(folder.path() + "/Help"));
    QFile pdf(document);
    ASSERT_TRUE(pdf.open(QIODevice::WriteOnly));
    pdf.write("%PDF-1.4\n");
    pdf.close();

    desktop.expectOpenUrl(QUrl::fromLocalFile(document));
    trigger("GiveAwayYourOwnBrandedVersion1");
    QTest::qWait(20);
    desktop.verify();

    desktop.expectOpenUrl(QUrl::fromLocalFile(document), false);
    desktop.expectInformation("Cannot find acrobat PDF reader to view TavrixBrandedVersion.pdf");
    trigger("GiveAwayYourOwnBrandedVersion1");
    EXPECT_TRUE(QTest::qWaitFor([this] { return desktop.allMet(); }, SoonMs));
    desktop.verify();

    // Without the document nothing is handed over: a reader started on a
    // missing file may show nothing at all.
    ASSERT_TRUE(QFile::remove(document));
    desktop.expectInformation("Cannot find acrobat PDF reader to view TavrixBrandedVersion.pdf");
    trigger("GiveAwayYourOwnBrandedVersion1");
}

TEST_F(BrandedWindow, HelpMenuOpensContentsAndIndex) {
    desktop.expectHelp(HelpView::Contents);
    trigger("Contents1");
    desktop.expectHelp(HelpView::Index);
    trigger("Index1");
    desktop.expectHelp(HelpView::Contents);
    // Shortcuts work in the active window; the splash hands activation back
    // through the window system, which may not have answered yet.
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    PressKey(control("EditFromValue"), Qt::Key_F1);
}

TEST(WebAddressUrl, AddsASchemeOnlyWhereThereIsNone) {
    const std::pair<const char*, const char*> cases[] = {
        {"www.example.com", "https://www.example.com"},
        {" www.example.com ", "https://www.example.com"},
        {"http://www.example.com/tavrix", "http://www.example.com/tavrix"},
    };
    for (const auto& [address, url] : cases)
        EXPECT_EQ(WebAddressUrl(address), QUrl(url)) << address;
}

} // namespace
} // namespace tavrix
