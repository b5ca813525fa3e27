#include "TerminationSignal.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>

namespace tavrix {
namespace {

struct CountingWindow : QWidget {
    int closes = 0;
    std::function<void()> onClose = [] {};
    void closeEvent(QCloseEvent* event) override {
        ++closes;
        onClose();
        QWidget::closeEvent(event);
    }
};

TEST(TerminationSignal, TermAndHangUpCloseTheWindowTheNormalWay) {
    CountingWindow window;
    window.show();
    CloseOnTerminationSignal(window);

    ASSERT_EQ(std::raise(SIGTERM), 0); // would end the test program without the handler
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.closes == 1; }, 2000));

    window.show();
    ASSERT_EQ(std::raise(SIGHUP), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.closes == 2; }, 2000));
    EXPECT_FALSE(window.isVisible());
}

// The splash shows modally from a timer, which may fire after the signal has
// closed the window and before the program got round to ending.
TEST(TerminationSignal, EndsTheProgramWhenADialogOpensAfterTheWindowClosed) {
    CountingWindow window;
    window.show();
    CloseOnTerminationSignal(window);
    QDialog splash(&window);
    window.onClose = [&splash] { QTimer::singleShot(0, &splash, [&splash] { splash.exec(); }); };

    QTimer::singleShot(0, [] { std::raise(SIGTERM); });
    constexpr int Hung = 1;
    QTimer::singleShot(5000, [] { QCoreApplication::exit(Hung); }); // instead of hanging the test
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(window.closes, 1);
}

} // namespace
} // namespace tavrix
