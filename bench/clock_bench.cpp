// How much the clock's periodic work costs: a tick that finds nothing to draw, the full
// redraw of an analog face, and the digital read-out.
#include "app/application.h"
#include "face/clock_face.h"
#include "platform/fonts.h"
#include "platform/system_clock.h"
#include "support/allocation_counter.h"
#include "support/fake_desktop.h"
#include "support/temp_program_folder.h"

#include <QApplication>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

LocalTime at(int hour, int minute, int second)
{
    return LocalTime{2024, 5, 17, 5, hour, minute, second};
}

void reportAllocations(benchmark::State& state, const AllocationCount& count)
{
    state.counters["allocs/iter"] =
        benchmark::Counter(double(count.allocations()), benchmark::Counter::kAvgIterations);
}

void TickWithoutChange(benchmark::State& state)
{
    TempProgramFolder folder;
    folder.write(u"set3.zdt"_s, "0,255,0\r\n");
    FakeDesktop desktop(folder.path());
    desktop.clock.setNow(12, 0, 0);
    Application app(desktop.parts());
    app.start();
    ClockHeartbeat& heartbeat = app.heartbeat();
    heartbeat.beat();
    const AllocationCount count;
    for (auto _ : state) {
        heartbeat.beat();
    }
    reportAllocations(state, count);
}
BENCHMARK(TickWithoutChange);

void ClockReading(benchmark::State& state)
{
    const SystemClock clock;
    const AllocationCount count;
    for (auto _ : state) {
        benchmark::DoNotOptimize(clock.now());
    }
    reportAllocations(state, count);
}
BENCHMARK(ClockReading);

// Arguments: the design and the scale the face is drawn at, in percent: 200 is a 2x screen
// or a clock at 200 % on a 1x screen, 125 a clock at 125 %.
void AnalogRedraw(benchmark::State& state)
{
    const DesignIndex design{int(state.range(0))};
    const QImage picture = designs::picture(design, state.range(1) / 100.0);
    ClockFace face;
    ClockFace::Inputs inputs{design, at(10, 10, 0), true, true, 0, 5197647, 255, 0xFFFFFF};
    face.redraw(picture, inputs);
    int second = 0;
    const AllocationCount count;
    for (auto _ : state) {
        inputs.time.second = second = (second + 1) % 60;
        face.redraw(picture, inputs);
        benchmark::DoNotOptimize(face.image().constBits());
    }
    reportAllocations(state, count);
}
BENCHMARK(AnalogRedraw)->ArgsProduct({{0, 5}, {100, 125, 200}});

void DigitalReadout(benchmark::State& state)
{
    const DesignIndex design{int(state.range(0))};
    const QImage picture = designs::picture(design, state.range(1) / 100.0);
    ClockFace face;
    face.redraw(picture, ClockFace::Inputs{design, at(9, 5, 0), true, true, 0, 0, 0, 255});
    int minute = 0;
    const AllocationCount count;
    for (auto _ : state) {
        // A new minute every time, so the panel is really drawn.
        minute = (minute + 1) % 60;
        face.refreshReadout(design, at(9, minute, 0), ColonStyle::Blinking, minute % 4);
        benchmark::DoNotOptimize(face.panel().constBits());
    }
    reportAllocations(state, count);
}
BENCHMARK(DigitalReadout)->ArgsProduct({{1, 6}, {100, 125, 200}});

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
