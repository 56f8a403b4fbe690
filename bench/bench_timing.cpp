// Times the real Timer1 over one full sweep at 1 cm / s: 51 ticks, 10.2 s.
#include "form1.h"
#include "movingjoystick.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    MovingJoystick joystick;
    Form1 form(joystick);
    form.show();

    constexpr int ticks = 51;
    constexpr double period = 200;
    QElapsedTimer clock;
    std::vector<double> at; // ms since the timer was started
    auto *timer = form.findChild<QTimer *>(QStringLiteral("Timer1"));
    timer->stop();
    QObject::connect(timer, &QTimer::timeout, &app, [&] {
        at.push_back(double(clock.nsecsElapsed()) / 1e6);
        if (int(at.size()) == ticks)
            app.quit();
    });
    clock.start();
    timer->start();
    app.exec();

    // Lateness of each tick against its due time from the start: a drifting timer would show it
    // growing along the sweep, a precise one only jitters.
    std::vector<double> late;
    for (int k = 0; k < ticks; ++k)
        late.push_back(at[k] - (k + 1) * period);
    const double first = late.front();
    const double last = late.back();
    std::sort(late.begin(), late.end());
    std::printf("ticks %d, mean period %.3f ms, lateness min %.3f / median %.3f / worst %.3f ms, "
                "first %.3f, last %.3f ms; sweep %.4f s (error %+.3f ms against 10.2 s)\n",
                ticks, at.back() / ticks, late.front(), late[late.size() / 2], late.back(), first,
                last, at.back() / 1000, at.back() - ticks * period);
    return 0;
}
