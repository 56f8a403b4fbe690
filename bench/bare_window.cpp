// The least a Qt 6 Widgets program can do to show a window.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.resize(392, 269);
    window.show();
    return app.exec();
}
