#include "TerminationSignal.h"

#include "QtDesktop.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>

namespace tavrix {
namespace {

constexpr int Hung = 1;

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
    QtDesktop desktop(&window);
    window.show();
    CloseOnTerminationSignal(window, desktop);

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
    QtDesktop desktop(&window);
    window.show();
    CloseOnTerminationSignal(window, desktop);
    QDialog splash(&window);
    window.onClose = [&splash] { QTimer::singleShot(0, &splash, [&splash] { splash.exec(); }); };

    QTimer::singleShot(0, [] { std::raise(SIGTERM); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(Hung); }); // instead of hanging the test
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(window.closes, 1);
}

// The calculator saves its memory as it closes and reports a failure in a box
// it shows from there; the signal arrives while that box is open.
TEST(TerminationSignal, EndsTheProgramWhileABoxOfAClosingDialogIsOpen) {
    CountingWindow window;
    QtDesktop desktop(&window);
    window.show();
    CloseOnTerminationSignal(window, desktop);
    struct DialogThatReportsOnClosing : QDialog {
        using QDialog::QDialog;
        int boxes = 0;
        void done(int result) override {
            if (isVisible()) {
                QDialog box(this);
                if (++boxes == 1)
                    QTimer::singleShot(0, [] { std::raise(SIGTERM); });
                box.exec();
            }
            QDialog::done(result);
        }
    } calculator(&window);
    QTimer::singleShot(0, &calculator, [&calculator] { calculator.exec(); });
    QTimer::singleShot(0, &calculator, [&calculator] { calculator.reject(); });

    QTimer::singleShot(5000, [] { QCoreApplication::exit(Hung); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(window.closes, 1);
    EXPECT_EQ(calculator.boxes, 1);
}

// Work under way when the signal comes is cancelled as its Cancel cancels
// it, rather than run to its end; the window closes once it has stopped,
// and the program ends although a box follows the work.
TEST(TerminationSignal, CancelsLongWorkAndEndsTheProgramThoughABoxFollowsIt) {
    CountingWindow window;
    QtDesktop desktop(&window);
    window.show();
    CloseOnTerminationSignal(window, desktop);
    bool cancelled = false;
    int closesDuringWork = -1;
    QTimer::singleShot(0, &window, [&] {
        {
            const std::unique_ptr<Progress> work = desktop.startProgress("Saving", "Saving...");
            QTimer::singleShot(50, [] { std::raise(SIGTERM); });
            QElapsedTimer running;
            running.start();
            // Work that would go on for ten seconds unless cancelled.
            while (running.elapsed() < 10'000 && !cancelled) {
                cancelled = !work->carryOn(double(running.elapsed()) / 10'000);
            }
            closesDuringWork = window.closes;
        }
        QDialog box(&window); // as an error box after the work
        box.exec();
    });
    QTimer::singleShot(20'000, [] { QCoreApplication::exit(Hung); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(closesDuringWork, 0);
    EXPECT_EQ(window.closes, 1);
}

} // namespace
} // namespace tavrix
