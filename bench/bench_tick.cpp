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

void runningXYTick(benchmark::State &state)
{
    MovingJoystick joystick;
    Form1 form(joystick);
    form.show();
    for (int i = 0; i < 5; ++i)
        form.scope().nextTimeBase();
    QApplication::processEvents();
    for (auto _ : state)
        form.scope().tick();
}
BENCHMARK(runningXYTick);

// One click's worth of each command, with its wipe or caption change on the real widgets.
template <void (ScopeCore::*command)()> void commandCost(benchmark::State &state)
{
    MovingJoystick joystick;
    Form1 form(joystick);
    form.show();
    QApplication::processEvents();
    for (auto _ : state)
        (form.scope().*command)();
}
BENCHMARK(commandCost<&ScopeCore::runStop>)->Name("runStop");
BENCHMARK(commandCost<&ScopeCore::nextTimeBase>)->Name("nextTimeBase");
BENCHMARK(commandCost<&ScopeCore::sweepMode>)->Name("sweepMode");
BENCHMARK(commandCost<&ScopeCore::clearScreen>)->Name("clearScreen");
BENCHMARK(commandCost<&ScopeCore::hideSignature>)->Name("hideSignature");

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
