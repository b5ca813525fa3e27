// The yardstick for start-up: the least a Qt Widgets program does to show a
// window that draws text as Tavrix's must, with a menu bar holding one menu
// with one action and a list of 24 text rows, at Tavrix's window size.
// scripts/startup-time.sh times it against the real program.
//
//   floor_window [--first-paint]
//
// With --first-paint it ends as soon as the list has been painted, for the
// instruction count to that point.
#include "FirstPaintWatch.h"

#include <QApplication>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>

#include <cstdlib>
#include <cstring>
#include <optional>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("File"))->addAction(QStringLiteral("Exit"));
    auto* list = new QListWidget;
    for (int row = 1; row <= 24; ++row) {
        list->addItem(QStringLiteral("Category %1").arg(row));
    }
    window.setCentralWidget(list);
    window.resize(586, 622);
    std::optional<FirstPaintWatch> firstPaint;
    if (argc > 1 && std::strcmp(argv[1], "--first-paint") == 0) {
        firstPaint.emplace(*list->viewport(), [] { std::_Exit(0); });
    }
    window.show();
    return QApplication::exec();
}
