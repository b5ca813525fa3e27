// The main() of every test program that needs windows: an offscreen Qt
// application, Qt's test paths, and the program's fonts.
#include "Fonts.h"

#include <QApplication>
#include <QStandardPaths>

#include <gmock/gmock.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Keeps tests away from the real configuration folders.
    QStandardPaths::setTestModeEnabled(true);
    // Before QApplication, so that it never sees GoogleTest's flags.
    testing::InitGoogleMock(&argc, argv);
    QApplication application(argc, argv);
    tavrix::RegisterBundledFonts();
    return RUN_ALL_TESTS();
}
