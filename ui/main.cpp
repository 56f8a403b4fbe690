#include "form1.h"
#include "sdljoystick.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("skorvane"));
    // The classic style puts the frame captions on the frame line, where the fixed layout
    // expects them; with the others, the top buttons overlap the frame.
    if (QStyle *classic = QStyleFactory::create(QStringLiteral("Windows")))
        QApplication::setStyle(classic);
    SdlJoystick joystick;
    Form1 window(joystick);
    window.show();
    return app.exec();
}
