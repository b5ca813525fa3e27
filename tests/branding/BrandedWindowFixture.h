// The main window with its splash and branding window attached, as the
// program makes them. The start-up splash is met in SetUp (closed by a press
// unless a test looks at it itself), so each test starts with the window up
// and the splash gone.
#pragma once

#include "MainFormFixture.h"
#include "Tavrix_Branding_001.h"
#include "Tavrix_Splash.h"

#include <QDialog>
#include <QLabel>
#include <QTimer>

#include <algorithm>

namespace tavrix {

class BrandedWindowTest : public MainWindowTest {
protected:
    // A generous bound for things that happen "at once".
    static constexpr int SoonMs = 2000;

    void SetUp() override {
        window.attachSplash(splash);
        window.attachBranding(branding);
        desktop.expectModal([this](QDialog& dialog) { meetStartUpSplash(dialog); });
        MainWindowTest::SetUp();
        ASSERT_TRUE(QTest::qWaitFor([this] { return modalCalls() == 1; }, SoonMs))
            << "no splash after the window came up";
        desktop.verify();
    }

    virtual void meetStartUpSplash(QDialog& dialog) { closeByPress(dialog); }

    static void closeByPress(QDialog& dialog, Qt::MouseButton button = Qt::LeftButton) {
        Click(Find<QLabel>(dialog, "ImageSplash"), button);
        EXPECT_TRUE(QTest::qWaitFor([&dialog] { return !dialog.isVisible(); }, SoonMs));
    }

    long modalCalls() const {
        const auto& calls = desktop.calls();
        return std::count_if(calls.begin(), calls.end(), [](const ScriptedDesktop::Call& call) {
            return call.kind == ScriptedDesktop::Kind::Modal;
        });
    }

    QTimer& switchOffTimer() { return Find<QTimer>(splash, "TimerSplashOff"); }

    TFormTavrixSplash splash{desktop, SupplierWebAddress, &window};
    TFormTavrixBranding branding;
};

} // namespace tavrix
