// The supplier's picture and address, the branded-version offer and the help
// menu: each goes to the desktop, and a desktop that cannot open an address
// or the document is reported.
#include "BrandedWindowFixture.h"

#include "WebLinks.h"

#include <QMenuBar>

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
            desktop.verify();
        }
    }
}

TEST_F(BrandedWindow, ALinkWithoutBrowserSaysSo) {
    desktop.expectOpenUrl(SupplierSite, false);
    desktop.expectInformation("Cannot find web browser to view www.example.com");
    Click(control("ImageSupplier_MainForm"));
}

TEST_F(BrandedWindow, OfferOpensTheDocumentInTheHelpFolder) {
    const QAction& spacer = Find<QAction>(window, "GiveAwaySpacing");
    EXPECT_TRUE(spacer.isVisible());
    EXPECT_FALSE(spacer.isEnabled());
    EXPECT_EQ(spacer.text(), "---------------------->");
    EXPECT_TRUE(Find<QAction>(window, "GiveAwayYourOwnBrandedVersion1").isVisible());

    desktop.expectOpenUrl(QUrl::fromLocalFile(folder.path() + "/Help/TavrixBrandedVersion.pdf"));
    trigger("GiveAwayYourOwnBrandedVersion1");
    desktop.verify();

    desktop.expectOpenUrl(QUrl::fromLocalFile(folder.path() + "/Help/TavrixBrandedVersion.pdf"), false);
    desktop.expectInformation("Cannot find acrobat PDF reader to view TavrixBrandedVersion.pdf");
    trigger("GiveAwayYourOwnBrandedVersion1");
}

TEST_F(BrandedWindow, HelpMenuOpensContentsAndIndex) {
    desktop.expectHelp(HelpView::Contents);
    trigger("Contents1");
    desktop.expectHelp(HelpView::Index);
    trigger("Index1");
    desktop.expectHelp(HelpView::Contents);
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
