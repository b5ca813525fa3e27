// The help window's frame: the manual's contents and index, each on its
// tab, beside the page they lead to. It holds no manual of its own, so the
// program can show it, saying why, where the help viewer that fills it with
// the manual cannot be loaded.
#pragma once

#include "Desktop.h"

#include <QByteArray>
#include <QWidget>

#include <functional>

class QLineEdit;
class QTabWidget;
class QTextBrowser;
class QUrl;

namespace tavrix {

class HelpFrame : public QWidget {
    Q_OBJECT

public:
    explicit HelpFrame(QWidget* parent = nullptr);

    void showView(HelpView view);
    // The contents and index give way to a note, and the page says `reason`.
    void showNoHelp(const QString& reason);

protected:
    QTabWidget* tabs() const { return tabs_; }
    QWidget* contentsTab() const { return contentsTab_; }
    QWidget* indexTab() const { return indexTab_; }
    QTextBrowser* page() const { return browser_; }
    // Where the manual's own "qthelp:" pages are read from; an empty answer
    // is a page that cannot be read.
    void setPageSource(std::function<QByteArray(const QUrl&)> source);
    // The field that takes the typing whenever the index shows.
    void setIndexFilter(QLineEdit* filter);

private:
    QTabWidget* tabs_;
    QWidget* contentsTab_;
    QWidget* indexTab_;
    QTextBrowser* browser_;
    QLineEdit* indexFilter_ = nullptr;
};

} // namespace tavrix
