// A fresh main window on a scripted desktop, shown as at start-up on an empty
// data folder, with the hands a person works it with: clicks on list rows and
// buttons, typing into the value field, menu items.
#pragma once

#include "DataPaths.h"
#include "ScriptedDesktop.h"
#include "Tavrix_MainForm.h"
#include "Tavrix_Units.h"
#include "Widgets.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace tavrix {

inline QString RefusalText(const QString& fromUnit) {
    return QStringLiteral("The \"") + fromUnit + QStringLiteral("\" value is not a valid.");
}

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() : paths(folder.path()) {}

    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    template <typename T = QWidget> T& control(const char* name) {
        return Find<T>(window, QString::fromLatin1(name));
    }
    QListWidget& categories() { return control<QListWidget>("ListBoxConvertCategory"); }
    QListWidget& fromUnits() { return control<QListWidget>("ListBoxConvertFromUnit"); }
    QListWidget& toUnits() { return control<QListWidget>("ListBoxConvertToUnit"); }
    QLineEdit& valueField() { return control<QLineEdit>("EditFromValue"); }
    QString value() { return valueField().text(); }
    QString result() { return control<QLineEdit>("EditToValue").text(); }
    QString fromLabel() { return control<QLabel>("LabelFromUnit").text(); }
    QString toLabel() { return control<QLabel>("LabelToUnit").text(); }
    bool addToLogEnabled() { return control<QAbstractButton>("BitBtnAddToResultsLog").isEnabled(); }

    static QStringList rowTexts(const QListWidget& list) {
        QStringList texts;
        for (int row = 0; row < list.count(); ++row) {
            texts << list.item(row)->text();
        }
        return texts;
    }

    // A click in the middle of the row showing `text`, scrolled into view first.
    void chooseRow(QListWidget& list, const QString& text) {
        const QList<QListWidgetItem*> found = list.findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << list.objectName().toStdString() << " has no single row "
                                   << text.toStdString();
        list.scrollToItem(found.front());
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier,
                          list.visualItemRect(found.front()).center());
        ASSERT_EQ(list.currentItem(), found.front()) << "the click missed " << text.toStdString();
    }
    void chooseCategory(const QString& name) { chooseRow(categories(), name); }
    void chooseFrom(const QString& unit) { chooseRow(fromUnits(), unit); }
    void chooseTo(const QString& unit) { chooseRow(toUnits(), unit); }

    // The person empties the field and types `text`; the key filter sees every key.
    void typeValue(const QString& text) {
        valueField().clear();
        TypeText(valueField(), text);
    }
    // Text the key filter would never let through, as if it arrived by a route
    // that bypasses the keys.
    void putValue(const QString& text) { valueField().setText(text); }

    void click(const char* buttonName) { Click(control<QAbstractButton>(buttonName)); }
    void convert() { click("BitBtnCalulateResult"); }
    void trigger(const char* actionName) { Find<QAction>(window, QString::fromLatin1(actionName)).trigger(); }

    // Picks `decimals` from the Decimals list's drop-down, as a person would.
    void chooseDecimals(int decimals) {
        QComboBox& box = control<QComboBox>("ComboBoxDecimalPlaces");
        box.showPopup();
        QAbstractItemView* rows = box.view();
        const QRect row = rows->visualRect(box.model()->index(decimals, 0));
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
        ASSERT_EQ(box.currentIndex(), decimals);
    }

    QTemporaryDir folder;
    DataPaths paths;
    // English as written in the United Kingdom: European spelling, numbers
    // written with "." and grouped with ",".
    ScriptedDesktop desktop;
    TFormTavrix window{desktop, paths};
};

} // namespace tavrix
