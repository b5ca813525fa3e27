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

// The calculator saves its memory as it closes and reports a failure in a box
// it shows from there; the signal arrives while that box is open.
TEST(TerminationSignal, EndsTheProgramWhileABoxOfAClosingDialogIsOpen) {
    CountingWindow window;
    window.show();
    CloseOnTerminationSignal(window);
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

    constexpr int Hung = 1;
    QTimer::singleShot(5000, [] { QCoreApplication::exit(Hung); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(window.closes, 1);
    EXPECT_EQ(calculator.boxes, 1);
}

} // namespace
} // namespace tavrix
