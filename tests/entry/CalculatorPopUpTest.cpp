#include "CalculatorKeys.h"
#include "CalculatorPopUp.h"
#include "CalculatorTestPrinting.h"
#include "DataPaths.h"
#include "OV4_Input_Validation.h"
#include "ScriptedDesktop.h"
#include "Tavrix_Units.h"
#include "Widgets.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace tavrix {
namespace {

const QString NegativeRootText = QStringLiteral("A negative number does not have a square root.");

// The middle of a key's face on the keypad picture.
QPoint KeyCentre(int code) {
    const KeyBand column = KeyColumnBands[static_cast<std::size_t>(code % 10)];
    const KeyBand row = KeyRowBands[static_cast<std::size_t>(code / 10)];
    return {(column.from + column.to) / 2, (row.from + row.to) / 2};
}

QByteArray LittleEndianBytes(std::initializer_list<unsigned char> bytes) {
    QByteArray out;
    for (const unsigned char byte : bytes) {
        out.append(static_cast<char>(byte));
    }
    return out;
}

// 5.0 is 0x4014000000000000; 2.5 is 0x4004000000000000.
const QByteArray FiveAsFile = LittleEndianBytes({0, 0, 0, 0, 0, 0, 0x14, 0x40});
const QByteArray TwoAndAHalfAsFile = LittleEndianBytes({0, 0, 0, 0, 0, 0, 0x04, 0x40});

struct CalculatorWindow : ::testing::Test {
    CalculatorWindow() : paths(folder.path()) {}
    ~CalculatorWindow() override { SetNumberFormatHook({}); }

    QString memoryPath() const { return paths.memoryFile(); }
    QByteArray memoryBytes() const {
        QFile file(memoryPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void writeMemoryFile(const QByteArray& bytes) const {
        QFile file(memoryPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    // Opens `window` and lets `script` work it; a window the script leaves
    // open is closed by its close box.
    void open(TFormCalculatorPopUp& window, const std::function<void()>& script, int left = 100, int top = 100) {
        desktop.expectModal([script](QDialog&) { script(); });
        window.ShowCalculatorAt(left, top);
    }
    void open(const std::function<void()>& script) { open(calculator, script); }

    QWidget& keyPad() { return Find<QWidget>(calculator, "ImageKeyPad"); }
    void click(int code) { ClickAt(keyPad(), KeyCentre(code)); }
    void clickAll(std::initializer_list<int> codes) {
        for (const int code : codes) {
            click(code);
        }
    }
    void typeOnWindow(Qt::Key key) { QTest::keyClick(&calculator, key); }
    QString display() { return Find<QLineEdit>(calculator, "RightEditInputDisplay").text(); }
    QString label(const char* name) { return Find<QLabel>(calculator, QString::fromLatin1(name)).text(); }

    QTemporaryDir folder;
    DataPaths paths;
    ScriptedDesktop desktop;
    TFormCalculatorPopUp calculator{desktop, paths};
};

TEST_F(CalculatorWindow, LayoutAsDesigned) {
    EXPECT_EQ(calculator.windowTitle(), "Calculator");
    EXPECT_EQ(calculator.size(), QSize(243, 205));
    EXPECT_EQ(calculator.font().pixelSize(), 11);
    EXPECT_EQ(calculator.font().family(), "MS Sans Serif");
    const std::pair<const char*, QRect> controls[] = {
        {"RightEditInputDisplay", QRect(12, 8, 145, 22)}, {"ImageKeyPad", QRect(12, 36, 219, 159)},
        {"ImageOKbutton", QRect(199, 6, 32, 27)},         {"ImageSignOutline", QRect(169, 10, 20, 20)},
        {"LabelNextCalcOperation", QRect(172, 13, 15, 14)}, {"LabelMemoryContent", QRect(16, 170, 99, 15)},
        {"LabelCurrentCalcValue", QRect(12, 160, 108, 13)}};
    for (const auto& [name, bounds] : controls) {
        EXPECT_EQ(Find<QWidget>(calculator, QString::fromLatin1(name)).geometry(), bounds) << name;
    }
    open([&] {
        EXPECT_EQ(display(), "0");
        EXPECT_EQ(label("LabelMemoryContent"), "0");
        EXPECT_FALSE(Find<QLabel>(calculator, "LabelCurrentCalcValue").isVisible());
        EXPECT_TRUE(Find<QLabel>(calculator, "LabelMemoryContent").isVisible());
        EXPECT_EQ(Find<QLabel>(calculator, "LabelMemoryContent").palette().color(QPalette::WindowText),
                  QColor(Qt::red));
        EXPECT_EQ(calculator.focusWidget(), &Find<QLineEdit>(calculator, "RightEditInputDisplay"));
        const QString shot = qEnvironmentVariable("TAVRIX_CALCULATOR_SCREENSHOT");
        if (!shot.isEmpty()) {
            clickAll({Key1, Key2, KeyDecimalSeparator, Key5, KeyMultiply});
            EXPECT_TRUE(GrabToPng(calculator, shot));
        }
    });
}

} // namespace
} // namespace tavrix
