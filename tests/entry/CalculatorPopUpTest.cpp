#include "CalculatorPopUp.h"
#include "CalculatorKeyPad.h"
#include "CalculatorTestPrinting.h"
#include "DataPaths.h"
#include "OV4_Input_Validation.h"
#include "ScriptedDesktop.h"
#include "Tavrix_Units.h"
#include "UnwritableFolders.h"
#include "Widgets.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace tavrix {
namespace {

const QString NegativeRootText = QStringLiteral("A negative number does not have a square root.");

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
    // open is closed by its close box. What the desktop is to be asked while
    // the window is open is queued by `duringOpening`.
    void open(TFormCalculatorPopUp& window, const std::function<void()>& script, int left = 100,
              int top = 100, const std::function<void()>& duringOpening = {}) {
        desktop.expectModal([script](QDialog&) { script(); });
        if (duringOpening) {
            duringOpening();
        }
        window.ShowCalculatorAt(left, top);
    }
    void open(const std::function<void()>& script, const std::function<void()>& duringOpening = {}) {
        open(calculator, script, 100, 100, duringOpening);
    }

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
        {"RightEditInputDisplay", QRect(12, 8, 145, 22)},   {"ImageKeyPad", QRect(12, 36, 219, 159)},
        {"ImageOKbutton", QRect(199, 6, 32, 27)},           {"ImageSignOutline", QRect(169, 10, 20, 20)},
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
            clickAll({Key1, Key2, Key8, KeyDecimalSeparator, Key7, Key5, KeyMemoryStore, KeyMultiply});
            EXPECT_TRUE(GrabToPng(calculator, shot));
        }
    });
}

TEST_F(CalculatorWindow, ClicksOnTheKeyPadPressTheKeyUnderThePoint) {
    open([&] {
        ClickAt(keyPad(), {50, 10});
        EXPECT_EQ(display(), "7");
        ClickAt(keyPad(), {50, 29});  // between the first two rows
        ClickAt(keyPad(), {35, 10});  // between the first two columns
        ClickAt(keyPad(), {50, 140}); // the bottom row has no keys left of Pi
        ClickAt(keyPad(), {106, 140});
        EXPECT_EQ(display(), "7");
        ClickAt(keyPad(), {112, 129}, Qt::RightButton); // any button presses
        EXPECT_EQ(display(), "3.14159265358979");
        clickAll({KeyClear, Key2, KeyAdd});
        EXPECT_EQ(label("LabelNextCalcOperation"), "+");
        clickAll({Key3, KeyEquals});
        EXPECT_EQ(display(), "5");
        EXPECT_EQ(label("LabelNextCalcOperation"), "=");
        click(Key1); // every click first clears the sign
        EXPECT_EQ(label("LabelNextCalcOperation"), "");
    });
}

TEST_F(CalculatorWindow, TheWindowSeesTypedKeysBeforeTheDisplay) {
    open([&] {
        for (const Qt::Key key : {Qt::Key_2, Qt::Key_Asterisk}) {
            typeOnWindow(key);
        }
        EXPECT_EQ(label("LabelNextCalcOperation"), "*");
        EXPECT_EQ(display(), "2"); // the star itself is not typed
        typeOnWindow(Qt::Key_3);
        typeOnWindow(Qt::Key_Return);
        EXPECT_EQ(display(), "6");
        EXPECT_EQ(label("LabelNextCalcOperation"), "=");
        // A digit typed after a result starts a new number.
        TypeText(calculator, "9x4");
        EXPECT_EQ(label("LabelNextCalcOperation"), "x");
        TypeText(calculator, "-1=");
        EXPECT_EQ(display(), "3"); // the pending operation was replaced, not worked out
        TypeText(calculator, "8/2");
        typeOnWindow(Qt::Key_Enter);
        EXPECT_EQ(display(), "4");
        TypeText(calculator, ".5=");
        EXPECT_EQ(display(), "0.5");
        TypeText(calculator, "X+a ");
        EXPECT_EQ(display(), "0.5");
        EXPECT_EQ(label("LabelNextCalcOperation"), "+");
        // Typed into the display itself, keys take the same way.
        QLineEdit& field = Find<QLineEdit>(calculator, "RightEditInputDisplay");
        TypeText(field, "6=");
        EXPECT_EQ(display(), "6.5");
        QTest::keyClick(&field, Qt::Key_Backspace);
        EXPECT_EQ(display(), "6.");
    });
}

TEST_F(CalculatorWindow, KeyboardDigitsAreLimitedKeypadDigitsAreNot) {
    open([&] {
        TypeText(calculator, "123456789012");
        desktop.expectInformation(DigitLimitMessage(DigitLimit::PreDecimal));
        TypeText(calculator, "3");
        EXPECT_EQ(display(), "123456789012");
        TypeText(calculator, ".12345678");
        desktop.expectInformation(DigitLimitMessage(DigitLimit::PostDecimal));
        TypeText(calculator, "9");
        EXPECT_EQ(display(), "123456789012.12345678");
        desktop.verify();
        clickAll({Key9, Key9});
        EXPECT_EQ(display(), "123456789012.1234567899");
        clickAll({KeyClear, Key1, Key2, Key3, Key4, Key5, Key6, Key7, Key8, Key9, Key0, Key1, Key2, Key3});
        EXPECT_EQ(display(), "1234567890123");
    });
}

// A pasted number is an entry like a typed one: after a result it replaces
// the display, digits typed next join it, and it takes part in the sums.
// The display keeps 8 digits behind the separator and no minus sign.
TEST_F(CalculatorWindow, APastedNumberIsAnEntryLikeATypedOne) {
    open([&] {
        QLineEdit& field = Find<QLineEdit>(calculator, "RightEditInputDisplay");
        const auto paste = [&field](const QString& text) {
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
        };
        TypeText(calculator, "2*");
        paste(QStringLiteral("1.5"));
        EXPECT_EQ(display(), "1.5");
        TypeText(calculator, "0");
        EXPECT_EQ(display(), "1.50");
        TypeText(calculator, "=");
        EXPECT_EQ(display(), "3");
        paste(QStringLiteral("-4"));
        EXPECT_EQ(display(), "3");
        desktop.expectInformation(DigitLimitMessage(DigitLimit::PostDecimal));
        paste(QStringLiteral("0.123456789"));
        EXPECT_EQ(display(), "3");
        paste(QStringLiteral("0.12345678"));
        EXPECT_EQ(display(), "0.12345678");
    });
}

// Keypad digits know no limit, so the memory can hold 15 significant
// digits behind zeros and a sign: its label shows every one of them.
TEST_F(CalculatorWindow, TheMemoryLabelShowsItsWholeNumber) {
    open([&] {
        clickAll({Key0,          KeyDecimalSeparator,
                  Key0,          Key0,
                  Key0,          Key1,
                  Key2,          Key3,
                  Key4,          Key5,
                  Key6,          Key7,
                  Key8,          Key9,
                  Key0,          Key1,
                  Key2,          Key3,
                  Key4,          Key5,
                  KeySignChange, KeyMemoryStore});
        const QLabel& memory = Find<QLabel>(calculator, "LabelMemoryContent");
        ASSERT_EQ(memory.text(), "-0.000123456789012345");
        EXPECT_LE(memory.fontMetrics().horizontalAdvance(memory.text()), memory.contentsRect().width());
        clickAll({KeyClear, Key1, KeyMemoryStore});
        EXPECT_EQ(memory.font().pixelSize(), 11) << "a short number in the full size";
    });
}

TEST_F(CalculatorWindow, AfterAOneOperandKeyKeypadDigitsJoinTypedDigitsReplace) {
    open([&] {
        clickAll({Key9, KeyEquals, KeySquareRoot, Key1});
        EXPECT_EQ(display(), "31");
        clickAll({KeyClear, Key9, KeyEquals, KeySquareRoot});
        TypeText(calculator, "1");
        EXPECT_EQ(display(), "1");
    });
}

TEST_F(CalculatorWindow, TheSquareRootOfANegativeNumberIsRefusedWithAMessage) {
    open([&] {
        clickAll({Key4, KeySignChange});
        EXPECT_EQ(display(), "-4");
        desktop.expectInformation(NegativeRootText);
        click(KeySquareRoot);
        EXPECT_EQ(display(), "-4");
    });
}

TEST_F(CalculatorWindow, OkHandsBackTheValueUnlessAnOperationWaits) {
    open([&] {
        clickAll({Key2, Key5, KeyEquals});
        Click(Find<QWidget>(calculator, "ImageOKbutton"));
        EXPECT_FALSE(calculator.isVisible());
    });
    EXPECT_TRUE(calculator.CalcAccepted());
    EXPECT_EQ(calculator.CalcValue(), 25);

    // The display and the value carry over to the next opening.
    open([&] {
        EXPECT_FALSE(calculator.CalcAccepted());
        EXPECT_EQ(display(), "25");
        clickAll({Key3, KeyMultiply, Key4, KeyEquals, KeySignChange});
        Click(Find<QWidget>(calculator, "ImageSignOutline"), Qt::RightButton);
    });
    EXPECT_TRUE(calculator.CalcAccepted());
    EXPECT_EQ(calculator.CalcValue(), 12);
    EXPECT_EQ(display(), "-12");

    open([&] {
        TypeText(calculator, "25");
        Click(Find<QWidget>(calculator, "ImageOKbutton"));
    });
    EXPECT_TRUE(calculator.CalcAccepted());
    EXPECT_EQ(calculator.CalcValue(), 12); // nothing stored the typed 25

    open([&] {
        clickAll({Key2, KeyMultiply});
        Click(Find<QWidget>(calculator, "ImageOKbutton"));
    });
    EXPECT_FALSE(calculator.CalcAccepted());
}

TEST_F(CalculatorWindow, TheCloseBoxAndEscapeAcceptNothing) {
    open([&] { clickAll({Key2, Key5, KeyEquals}); }); // left open: closed by its close box
    EXPECT_FALSE(calculator.CalcAccepted());
    open([&] {
        clickAll({Key2, Key5, KeyEquals});
        typeOnWindow(Qt::Key_Escape);
        EXPECT_FALSE(calculator.isVisible());
    });
    EXPECT_FALSE(calculator.CalcAccepted());
    EXPECT_EQ(memoryBytes().size(), 8);
}

TEST_F(CalculatorWindow, OpensAtTheGivenPlaceOrCentred) {
    open(
        calculator, [&] { EXPECT_EQ(calculator.frameGeometry().topLeft(), QPoint(300, 240)); }, 300, 240);
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    open(
        calculator,
        [&] {
            const QSize window = calculator.frameGeometry().size();
            EXPECT_EQ(calculator.frameGeometry().topLeft(),
                      QPoint((screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2));
        },
        -1, 0);
}

TEST_F(CalculatorWindow, MemorySurvivesClosingReopeningAndARestart) {
    ASSERT_FALSE(QFile::exists(memoryPath()));
    open([&] {
        EXPECT_EQ(label("LabelMemoryContent"), "0");
        clickAll({Key5, KeyMemoryStore});
        EXPECT_EQ(label("LabelMemoryContent"), "5");
    });
    EXPECT_EQ(memoryBytes(), FiveAsFile);
    open([&] {
        EXPECT_EQ(label("LabelMemoryContent"), "5");
        clickAll({KeyClear, KeyMemoryRecall});
        EXPECT_EQ(display(), "5");
    });

    ScriptedDesktop restartedDesktop;
    TFormCalculatorPopUp restarted(restartedDesktop, DataPaths(folder.path()));
    restartedDesktop.expectModal([&](QDialog&) {
        EXPECT_EQ(Find<QLabel>(restarted, "LabelMemoryContent").text(), "5");
        ClickAt(Find<QWidget>(restarted, "ImageKeyPad"), KeyCentre(KeyMemoryRecall));
        EXPECT_EQ(Find<QLineEdit>(restarted, "RightEditInputDisplay").text(), "5");
        ClickAt(Find<QWidget>(restarted, "ImageKeyPad"), KeyCentre(KeyMemoryClear));
    });
    restarted.ShowCalculatorAt(0, 0);
    EXPECT_EQ(memoryBytes(), QByteArray(8, '\0'));
}

TEST_F(CalculatorWindow, TheMemoryFileIsReadAtEachOpening) {
    writeMemoryFile(TwoAndAHalfAsFile + QByteArray("trailing bytes are not read"));
    open([&] { EXPECT_EQ(label("LabelMemoryContent"), "2.5"); });
    EXPECT_EQ(memoryBytes(), TwoAndAHalfAsFile);
    writeMemoryFile(FiveAsFile);
    open([&] { EXPECT_EQ(label("LabelMemoryContent"), "5"); });
    desktop.setLocale(QLocale(QLocale::German, QLocale::Germany));
    writeMemoryFile(TwoAndAHalfAsFile);
    open([&] { EXPECT_EQ(label("LabelMemoryContent"), "2,5"); });
}

TEST_F(CalculatorWindow, ADamagedMemoryFileGivesAnEmptyMemoryAndAMessage) {
    writeMemoryFile(QByteArray("\x01\x02\x03", 3));
    open([&] { EXPECT_EQ(label("LabelMemoryContent"), "0"); },
         [&] {
             desktop.expectError(
                 QStringLiteral("The calculator memory file \"%1\" is damaged: it holds 3 of the 8 "
                                "bytes of a number. The memory starts at 0.")
                     .arg(memoryPath()));
         });
    EXPECT_EQ(memoryBytes(), QByteArray(8, '\0'));

    writeMemoryFile(LittleEndianBytes({0, 0, 0, 0, 0, 0, 0xf8, 0x7f})); // a NaN
    open([&] { EXPECT_EQ(label("LabelMemoryContent"), "0"); },
         [&] {
             desktop.expectError(
                 QStringLiteral("The calculator memory file \"%1\" is damaged: it holds no valid "
                                "number. The memory starts at 0.")
                     .arg(memoryPath()));
         });
}

TEST_F(CalculatorWindow, AMemoryFileThatCannotBeOpenedGivesAnEmptyMemoryAndMessages) {
    ASSERT_TRUE(QDir(folder.path()).mkdir("mem.dat"));
    open([&] { EXPECT_EQ(label("LabelMemoryContent"), "0"); },
         [&] {
             desktop.expectError(
                 QStringLiteral("The calculator memory could not be read from \"%1\": Not a regular "
                                "file. The memory starts at 0.")
                     .arg(memoryPath()));
             // Nor can it be written over on closing.
             desktop.expectError(
                 QStringLiteral("The calculator memory could not be saved to \"%1\": Not a regular file.")
                     .arg(memoryPath()));
         });
}

TEST_F(CalculatorWindow, AFailedSaveKeepsTheOldFileAndTellsThePerson) {
    writeMemoryFile(FiveAsFile);
    const ImmutableFolder immutable(folder.path());
    if (!immutable.made()) {
        GTEST_SKIP() << "chattr +i is not available here";
    }
    open(
        [&] {
            clickAll({Key7, KeyMemoryStore});
        },
        [&] {
            desktop.expectError(
                QStringLiteral("The calculator memory could not be saved to \"%1\": Operation not permitted.")
                    .arg(memoryPath()));
        });
    EXPECT_EQ(memoryBytes(), FiveAsFile);
}

// Every key face lies inside its band cell, and the picture leaves the gaps
// between the bands untouched, so a click on a face always presses its key.
TEST_F(CalculatorWindow, KeyFacesLieInsideTheirBands) {
    for (const qreal scale : {1.0, 2.0}) {
        QImage picture(QSize(KeyPadWidth, KeyPadHeight) * scale, QImage::Format_ARGB32_Premultiplied);
        picture.setDevicePixelRatio(scale);
        picture.fill(Qt::transparent);
        keyPad().render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const int code = KeyAtPoint(static_cast<int>(x / scale), static_cast<int>(y / scale));
                const bool memoryWell =
                    code == 40 || code == 41 || code == 42 ||
                    (code == NoKey && y / scale >= KeyRowBands[4].from && x / scale < 107);
                if (code == NoKey && !memoryWell) {
                    ASSERT_EQ(qAlpha(picture.pixel(x, y)), 0)
                        << "painted between the bands at " << x / scale << ", " << y / scale << " (scale "
                        << scale << ")";
                }
            }
        }
        for (int code = 0; code < 50; ++code) {
            if (!KeyCaption(code, u'.').isEmpty()) {
                const QPoint centre = KeyCentre(code) * scale;
                EXPECT_EQ(qAlpha(picture.pixel(centre)), 255) << "no face for key " << code;
            }
        }
    }
}

} // namespace
} // namespace tavrix
