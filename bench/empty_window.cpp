// The yardstick of the start-up benchmark: the least a Qt program does to show a window of the
// main window's size.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Empty");
    window.resize(461, 448);
    window.show();
    return app.exec();
}
