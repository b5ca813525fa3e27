// The yardstick for start-up: the least a Qt program does to put a window on
// the screen. scripts/startup-time.sh times it against the real program.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.show();
    return QApplication::exec();
}
