// The splash: once after the window comes up, for four seconds; again from
// About for six; closed at once by a press; its supplier picture hidden.
#include "BrandedWindowFixture.h"

namespace tavrix {
namespace {

using Splash = BrandedWindowTest;

// Looks at the start-up splash and lets it close by itself.
class SplashAtStartUp : public BrandedWindowTest {
protected:
    void meetStartUpSplash(QDialog& dialog) override {
        mainWindowVisibleBehind = window.isVisible();
        version = Find<QLabel>(dialog, "LabellVersion").text();
        versionPlace = Find<QLabel>(dialog, "LabellVersion").geometry();
        switchOffInterval = switchOffTimer().isActive() ? switchOffTimer().interval() : 0;
        // A switch-off timer cannot fire early: well before its 4 s the splash is still up.
        QTest::qWait(3000);
        openAfterThreeSeconds = dialog.isVisible();
        closedByItself = QTest::qWaitFor([&dialog] { return !dialog.isVisible(); }, 10000);
    }

    bool mainWindowVisibleBehind = false;
    QString version;
    QRect versionPlace;
    int switchOffInterval = -1;
    bool openAfterThreeSeconds = false;
    bool closedByItself = false;
};

TEST_F(SplashAtStartUp, ShowsOnceAfterTheWindowForFourSeconds) {
    EXPECT_TRUE(mainWindowVisibleBehind);
    EXPECT_EQ(version, "Version 1.01");
    EXPECT_EQ(versionPlace, QRect(146, 70, 85, 11));
    EXPECT_EQ(switchOffInterval, 4000);
    EXPECT_TRUE(openAfterThreeSeconds);
    EXPECT_TRUE(closedByItself);
    EXPECT_FALSE(switchOffTimer().isActive());
    // The show timer fired once: nothing more comes (an unexpected splash fails the test).
    QTest::qWait(100);
    EXPECT_EQ(modalCalls(), 1);
    EXPECT_EQ(splash.size(), QSize(380, 200));
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
}

TEST_F(Splash, AboutShowsItAgainForSixSeconds) {
    int interval = 0;
    int remaining = 0;
    desktop.expectModal([&](QDialog& dialog) {
        interval = switchOffTimer().interval();
        remaining = switchOffTimer().remainingTime();
        closeByPress(dialog);
    });
    trigger("About1");
    // Shown from the show timer, not from the menu handler itself.
    EXPECT_EQ(modalCalls(), 1);
    ASSERT_TRUE(QTest::qWaitFor([this] { return modalCalls() == 2; }, SoonMs));
    EXPECT_EQ(interval, 6000);
    // Counting down from 6 s, not from the 4 s of start-up.
    EXPECT_GT(remaining, 4000);
}

TEST_F(Splash, APressWithAnyButtonClosesItAtOnce) {
    long shown = modalCalls();
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        int intervalAfterPress = 0;
        desktop.expectModal([&](QDialog& dialog) {
            Click(Find<QLabel>(dialog, "ImageSplash"), button);
            intervalAfterPress = switchOffTimer().interval();
            EXPECT_TRUE(QTest::qWaitFor([&dialog] { return !dialog.isVisible(); }, SoonMs)) << button;
        });
        trigger("About1");
        ASSERT_TRUE(QTest::qWaitFor([&] { return modalCalls() == shown + 1; }, SoonMs)) << button;
        ++shown;
        EXPECT_EQ(intervalAfterPress, 10) << button;
    }
}

TEST_F(Splash, SupplierPictureIsThereButHiddenAndOutOfReach) {
    desktop.expectModal([](QDialog& dialog) {
        QLabel& supplier = Find<QLabel>(dialog, "ImageSupplier_Splash");
        EXPECT_FALSE(supplier.isVisible());
        EXPECT_EQ(supplier.toolTip(), "www.example.com");
        EXPECT_FALSE(supplier.pixmap().isNull());
        EXPECT_EQ(supplier.size(), QSize(350, 65));
        EXPECT_EQ(supplier.pos(), QPoint(15, 126));
        // A press where it would be lands on the splash picture: the splash
        // closes and no address opens (that would be an unexpected call).
        ClickAt(Find<QLabel>(dialog, "ImageSplash"), supplier.geometry().center());
        EXPECT_TRUE(QTest::qWaitFor([&dialog] { return !dialog.isVisible(); }, SoonMs));
    });
    trigger("About1");
    ASSERT_TRUE(QTest::qWaitFor([this] { return modalCalls() == 2; }, SoonMs));
}

// Each splash names and opens the address it was made with: two suppliers'
// splashes side by side keep theirs apart.
TEST(SplashForASupplier, NamesAndOpensItsOwnAddress) {
    ScriptedDesktop desktop;
    TFormTavrixSplash first(desktop, "first.example.org");
    TFormTavrixSplash second(desktop, "second.example.org");
    for (TFormTavrixSplash* splash : {&first, &second}) {
        desktop.expectModal([](QDialog&) {});
        splash->ShowSplash();
    }
    EXPECT_EQ(first.ImageSupplier_Splash->toolTip(), "first.example.org");
    EXPECT_EQ(second.ImageSupplier_Splash->toolTip(), "second.example.org");
    desktop.expectOpenUrl(QUrl("https://first.example.org"));
    first.ImageSupplier_SplashMouseDown();
    QTest::qWait(20);
    desktop.verify();
}

// Without a splash attached, as in the other windows' tests, the window's
// splash timer fires into nothing.
TEST_F(MainWindowTest, WithoutASplashNothingIsShown) {
    QTest::qWait(100);
    trigger("About1");
    QTest::qWait(100);
    EXPECT_TRUE(desktop.calls().empty());
}

} // namespace
} // namespace tavrix
