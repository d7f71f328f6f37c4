#include "platform/system_clock_watch.h"
#include "support/program_test.h"

#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The real heartbeat on the system's own watch. A machine that slept through the
// clock's next beat wakes with that moment already past on the wall clock, while the
// heartbeat's timer, which counts only the time awake, has most of the minute to go:
// here the clock's reading lags the wall clock by three minutes or more, so the moment
// it asks to be woken by has passed the moment it asks.
TEST(ClockWatchOnThisSystem, ABeatThatTheMachineSleptThroughComesAtOnce)
{
    const std::unique_ptr<ClockWatch> watch = makeSystemClockWatch();
    TempProgramFolder folder;
    FakeDesktop desktop(folder.path());
    folder.write(u"set3.zdt"_s, "6,255,1\r\n"); // digital, the colon steady: it sleeps minutes
    QDateTime lagging = QDateTime::currentDateTime().addSecs(-180);
    lagging.setTime(QTime(lagging.time().hour(), lagging.time().minute(), 3));
    desktop.clock.setNow(lagging);
    Application app(
        Desktop{desktop.clock, *watch, desktop.sound, desktop.shell, desktop.questions, desktop.folders});
    ASSERT_TRUE(app.start());
    const QImage before = app.clockWindow().face().panel();
    ASSERT_GT(app.heartbeat().interval(), 30'000);

    // Awake again, the clock reads the wall clock's time.
    desktop.clock.setNow(QDateTime::currentDateTime());
    QElapsedTimer waited;
    waited.start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return app.clockWindow().face().panel() != before; }, 2000));
    EXPECT_LT(waited.elapsed(), 1000);
}

} // namespace
