#include "form1.h"
#include "movingjoystick.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void runningTick(benchmark::State &state)
{
    MovingJoystick joystick;
    Form1 form(joystick);
    form.show();
    QApplication::processEvents();
    for (auto _ : state)
        form.scope().tick();
}
BENCHMARK(runningTick);

// The tick plus the repaint it causes.
void runningTickRepainted(benchmark::State &state)
{
    MovingJoystick joystick;
    Form1 form(joystick);
    form.show();
    QApplication::processEvents();
    for (auto _ : state) {
        form.scope().tick();
        QApplication::processEvents();
    }
}
BENCHMARK(runningTickRepainted);

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
