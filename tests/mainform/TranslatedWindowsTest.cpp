// The windows in another language: every text the person reads is marked
// for translation (a pseudo-translation wraps each one, and a text left
// unwrapped fails), and in German and French the menus, the boxes, Qt's own
// dialogs and the calculator speak the language and every text still fits.
#include "CategoryRowDelegate.h"
#include "FileDialogs.h"
#include "HelpFrame.h"
#include "ProgressWindow.h"
#include "PseudoTranslation.h"
#include "QtDesktop.h"
#include "ReadableControls.h"
#include "ResultsLogFixture.h"
#include "Tavrix_Branding_001.h"
#include "Tavrix_FindUnit.h"
#include "Tavrix_Splash.h"
#include "Translations.h"
#include "Utf8Text.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTabWidget>
#include <QTimer>

#include <memory>

namespace tavrix {
namespace {

// Every text a widget below `root` (and `root` itself) shows the person or
// a screen reader, with where it was found; values and logs are the
// person's own and left out.
QStringList TextsOf(QWidget& root) {
    QStringList texts;
    const auto add = [&texts](const QObject& owner, const QString& text) {
        if (!text.isEmpty()) {
            texts << owner.objectName() + QStringLiteral(": ") + text;
        }
    };
    QList<QWidget*> widgets = root.findChildren<QWidget*>();
    widgets.prepend(&root);
    for (const QWidget* widget : widgets) {
        if (widget->isWindow()) {
            add(*widget, widget->windowTitle());
        }
        add(*widget, widget->toolTip());
        add(*widget, widget->accessibleName());
        add(*widget, widget->accessibleDescription());
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            add(*widget, label->text());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            add(*widget, button->text());
        } else if (const auto* field = qobject_cast<const QLineEdit*>(widget)) {
            add(*widget, field->placeholderText());
        } else if (const auto* list = qobject_cast<const QListWidget*>(widget)) {
            for (int row = 0; row < list->count(); ++row) {
                add(*widget, list->item(row)->text());
            }
        } else if (const auto* box = qobject_cast<const QComboBox*>(widget)) {
            for (int row = 0; row < box->count(); ++row) {
                add(*widget, box->itemText(row));
            }
        } else if (const auto* tabs = qobject_cast<const QTabWidget*>(widget)) {
            for (int tab = 0; tab < tabs->count(); ++tab) {
                add(*widget, tabs->tabText(tab));
            }
        }
        if (qobject_cast<const QMenu*>(widget) || qobject_cast<const QMenuBar*>(widget)) {
            for (const QAction* action : widget->actions()) {
                add(*widget, action->text());
                add(*widget, action->toolTip());
            }
        }
    }
    return texts;
}

// The names no translation changes: the units' in both spellings, and the
// program's and its supplier's.
QStringList UntranslatedNames() {
    QStringList names{QStringLiteral("Tavrix"), SupplierWebAddress};
    for (const Spelling spelling : {Spelling::European, Spelling::USA}) {
        for (const std::string_view name : UnitNames(spelling)) {
            names << FromUtf8(name);
        }
    }
    return names;
}

// The modal box or dialog Qt shows next, its texts read and then closed,
// while `show` runs.
QStringList TextsOfNextModal(const std::function<void()>& show) {
    QStringList texts;
    QTimer::singleShot(0, [&texts] {
        QWidget* modal = nullptr;
        if (!QTest::qWaitFor([&modal] { return (modal = QApplication::activeModalWidget()) != nullptr; },
                             5000)) {
            ADD_FAILURE() << "no box came up";
            return;
        }
        texts = TextsOf(*modal);
        if (const auto* box = qobject_cast<QMessageBox*>(modal)) {
            texts << QStringLiteral("text: ") + box->text();
        }
        qobject_cast<QDialog*>(modal)->reject();
    });
    show();
    return texts;
}

// The long work's progress window, its texts read once it shows.
QStringList TextsOfProgressWindow(QWidget& over) {
    QtDesktop desktop(&over);
    std::unique_ptr<Progress> progress = desktop.startProgress(
        QCoreApplication::translate("tavrix::TFormTavrix", "Saving the results log"),
        QCoreApplication::translate("tavrix::TFormTavrix", "Saving the results log..."));
    QStringList texts;
    const bool shown = QTest::qWaitFor(
        [&] {
            progress->carryOn(0.5);
            const auto* dialog = over.findChild<QProgressDialog*>();
            if (dialog == nullptr || !dialog->isVisible()) {
                return false;
            }
            texts = TextsOf(*over.findChild<QProgressDialog*>());
            texts << QStringLiteral("label: ") + dialog->labelText();
            return true;
        },
        5000);
    EXPECT_TRUE(shown) << "the progress window never showed";
    return texts;
}

// The windows of the program, as a person meets them: the main window with
// its menus, the calculator, the amend dialog, Find unit, the splash, the
// branding window, the help window's frame, a progress window, and the
// boxes and file dialogs the desktop shows.
class WindowsOfTheProgram : public ResultsLogTest {
protected:
    QStringList everyWindowsTexts() {
        QStringList texts = TextsOf(window) + TextsOf(calculator) + TextsOf(logTextDialog);
        QApplication::setActiveWindow(&window);
        QTest::keyClick(&valueField(), Qt::Key_F, Qt::ControlModifier);
        if (auto* finder = window.findChild<TFormFindUnit*>(); finder != nullptr) {
            for (const char* typed : {"kWh", "no such unit"}) {
                finder->EditFindUnit->setText(QString::fromLatin1(typed));
                texts += TextsOf(*finder);
            }
            finder->hide();
        } else {
            ADD_FAILURE() << "Ctrl+F showed no Find unit window";
        }
        TFormTavrixSplash splash(desktop, SupplierWebAddress);
        TFormTavrixBranding branding;
        HelpFrame help;
        help.showNoHelp(QStringLiteral("/nowhere/Tavrix_Help.qhc"));
        texts += TextsOf(splash) + TextsOf(branding) + TextsOf(help);
        texts += TextsOfProgressWindow(window);
        QtDesktop boxes(&window);
        texts += TextsOfNextModal([&boxes] { boxes.showInformation(QStringLiteral("1")); });
        texts += TextsOfNextModal([&boxes] { boxes.confirm(QStringLiteral("2")); });
        texts += TextsOfNextModal([&boxes] { boxes.showError(QStringLiteral("3")); });
        return texts;
    }
};

// Installs a translation before the windows are made and takes it away
// after them: a base class, so that it comes first and goes last.
class Translated {
protected:
    explicit Translated(QTranslator* translator) { QCoreApplication::installTranslator(translator); }
    explicit Translated(const QString& language) {
        EXPECT_EQ(InstallTranslations(QStringLiteral(TAVRIX_TRANSLATIONS_DIR), {language}), language);
    }
    ~Translated() { qDeleteAll(qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)); }
};

class PseudoTranslatedWindows : protected Translated, public WindowsOfTheProgram {
protected:
    PseudoTranslatedWindows() : Translated(new PseudoTranslator(qApp)) { desktop.acceptAnyMessageText(); }
    static QString wrapped(const char* english) {
        return PseudoTranslator::wrapped(QString::fromUtf8(english));
    }
};

TEST_F(PseudoTranslatedWindows, EveryTextTheWindowsShowIsMarkedForTranslation) {
    const QStringList names = UntranslatedNames();
    for (const QString& found : everyWindowsTexts()) {
        const QString text = found.mid(found.indexOf(QStringLiteral(": ")) + 2);
        EXPECT_FALSE(HasUntranslatedWords(text, names)) << found.toStdString();
    }
}

// Messages, file dialogs, the printed title and the mail: what the window
// hands the desktop speaks the language too.
TEST_F(PseudoTranslatedWindows, WhatTheWindowHandsTheDesktopIsMarkedForTranslation) {
    desktop.expectConfirm(wrapped("Are your sure you wish to clear the results log?"), false);
    click("BitBtnNewLog");
    desktop.expectOpenFile({});
    click("BitBtnOpenLogFile");
    click("BitBtnAddToResultsLog");
    desktop.expectSaveFile({});
    click("BitBtnSaveLogFile");
    desktop.expectPrint(false);
    click("BitBtnPrintLog");
    desktop.expectMail({});
    click("BitBtnEmailLog");
    EXPECT_TRUE(QTest::qWaitFor([this] { return !desktop.mails().empty(); }, 5000));
    desktop.verify();
    const QStringList names = UntranslatedNames();
    for (const ScriptedDesktop::Call& call : desktop.calls()) {
        if (call.kind == ScriptedDesktop::Kind::Mail || call.kind == ScriptedDesktop::Kind::Clipboard) {
            continue; // the body is the log, the person's own text
        }
        EXPECT_FALSE(HasUntranslatedWords(call.caption, names)) << call.caption.toStdString();
        EXPECT_FALSE(HasUntranslatedWords(call.text, names)) << call.text.toStdString();
    }
    ASSERT_EQ(desktop.mails().size(), 1U);
    EXPECT_FALSE(HasUntranslatedWords(desktop.mails().front().subject, names));
}

// What a person whose desktop speaks the language sees first.
struct Language {
    const char* code;
    QStringList menus;  // the menu bar's titles, without their Alt marks
    QString calculator; // the calculator's title
    QString yes;        // Qt's own buttons
    QString no;
    QString openButton; // the file dialog's
    QString category;   // the first category's name
};

void PrintTo(const Language& language, std::ostream* out) {
    *out << language.code;
}

class TranslatedWindows : protected Translated,
                          public WindowsOfTheProgram,
                          public testing::WithParamInterface<Language> {
protected:
    TranslatedWindows() : Translated(QString::fromLatin1(GetParam().code)) {}
};

TEST_P(TranslatedWindows, MenusBoxesQtsDialogsAndTheCalculatorSpeakTheLanguage) {
    const Language& language = GetParam();
    QStringList menus;
    for (const QAction* menu : Find<QMenuBar>(window, "MainMenu1").actions()) {
        if (menu->menu() != nullptr) {
            menus << QString(menu->text()).remove(u'&');
        }
    }
    EXPECT_EQ(menus, language.menus);
    EXPECT_EQ(categories().item(0)->text(), language.category);
    EXPECT_EQ(calculator.windowTitle(), language.calculator);

    QtDesktop boxes(&window);
    const QStringList confirmation = TextsOfNextModal(
        [&] { boxes.confirm(window.tr("Are your sure you wish to clear the results log?")); });
    EXPECT_TRUE(confirmation.contains(QStringLiteral(": ") + language.yes) &&
                confirmation.contains(QStringLiteral(": ") + language.no))
        << confirmation.join('\n').toStdString();

    std::unique_ptr<QFileDialog> dialog = MakeOpenFileDialog(&window, window.tr("Open Results Log file"),
                                                             folder.path(), window.tr("Tavrix Log (*.TVRX)"));
    dialog->show();
    QStringList buttons;
    for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        buttons << button->text();
    }
    EXPECT_TRUE(buttons.contains(language.openButton)) << buttons.join(", ").toStdString();
    EXPECT_NE(dialog->windowTitle(), QStringLiteral("Open Results Log file"));
}

// Every text fits its place at each font size in either spelling, as in
// English; the category names fit their list.
TEST_P(TranslatedWindows, EveryTextFitsAtEachFontSizeInEitherSpelling) {
    QWidget& client = control("ClientArea");
    for (const char* spelling : {"Englishspelling1", "USAspelling1"}) {
        trigger(spelling);
        for (const char* size : {"Smallfontsize1", "Mediumfontsize1", "Largefontsize1"}) {
            trigger(size);
            const std::string when = std::string(GetParam().code) + " " + size + " " + spelling;
            ExpectReadable(client, when.c_str());
            trigger("Scientificformat1");
            ExpectReadable(client, (when + ", scientific").c_str());
            trigger("Scientificformat1");
            const QMenuBar& menus = Find<QMenuBar>(window, "MainMenu1");
            for (QAction* menu : menus.actions()) {
                const QRect place = menus.actionGeometry(menu);
                EXPECT_TRUE(!place.isEmpty() && place.right() < menus.width())
                    << menu->text().toStdString() << " is not on the menu bar, " << when;
            }
            const QListWidget& list = categories();
            for (int row = 0; row < list.count(); ++row) {
                EXPECT_LE(list.visualItemRect(list.item(row)).left() + CategoryRowDelegate::NameIndent +
                              list.fontMetrics().horizontalAdvance(list.item(row)->text()),
                          list.viewport()->width())
                    << list.item(row)->text().toStdString() << " " << when;
            }
        }
    }
    ExpectReadable(calculator, GetParam().code);
    ExpectReadable(logTextDialog, GetParam().code);
}

// The pictures the windows show (the splash, the banner and the supplier's
// picture) carry their words in the language.
TEST_P(TranslatedWindows, ThePicturesTheWindowsShowSpeakTheLanguage) {
    const auto shown = [this] {
        TFormTavrixBranding branding;
        TFormTavrixSplash splash(desktop, SupplierWebAddress);
        splash.show(); // the splash draws its picture as it shows
        std::vector<QImage> pictures;
        for (const char* name : {"ImageTavrixBanner", "ImageSupplierBranding"}) {
            pictures.push_back(Find<QLabel>(branding, name).pixmap().toImage());
        }
        pictures.push_back(Find<QLabel>(splash, "ImageSplash").pixmap().toImage());
        return pictures;
    };
    const std::vector<QImage> translated = shown();
    qDeleteAll(qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
    const std::vector<QImage> english = shown();
    for (std::size_t at = 0; at < translated.size(); ++at) {
        EXPECT_FALSE(translated[at].isNull()) << at;
        EXPECT_NE(translated[at], english[at]) << "picture " << at << " has the same words in English";
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedWindows,
                         testing::Values(Language{"de",
                                                  {"Datei", "Bearbeiten", "Einstellungen", "Hilfe"},
                                                  "Rechner",
                                                  "&Ja",
                                                  "&Nein",
                                                  "&Öffnen",
                                                  "Beschleunigung"},
                                         Language{"fr",
                                                  {"Fichier", "Édition", "Paramètres", "Aide"},
                                                  "Calculatrice",
                                                  "&Oui",
                                                  "&Non",
                                                  "&Ouvrir",
                                                  "Accélération"}),
                         [](const testing::TestParamInfo<Language>& language) {
                             return std::string(language.param.code);
                         });

} // namespace
} // namespace tavrix
