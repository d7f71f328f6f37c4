#include "platform/system_clock.h"

#include <QDateTime>
#include <QTimeZone>
#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(SystemClock, ReadsTheLocalTimeWithItsDistanceFromUtc)
{
    const auto check = [](const QString& zone) {
        const QDateTime before = QDateTime::currentDateTime();
        const LocalTime now = SystemClock().now();
        const QDateTime expected = zone.isEmpty() ? before : before.toTimeZone(QTimeZone(zone.toLatin1()));
        EXPECT_EQ(now.utcOffset, expected.offsetFromUtc()) << zone.toStdString();
        EXPECT_LE(std::abs(now.utcSeconds() - before.toSecsSinceEpoch()), 1) << zone.toStdString();
    };
    check(QString()); // the machine's own zone
#ifndef Q_OS_WIN
    // Where the C library takes a zone's name from TZ: zones west and east of UTC, one
    // of them half an hour off the hour.
    const std::optional<QByteArray> machineZone =
        qEnvironmentVariableIsSet("TZ") ? std::optional(qgetenv("TZ")) : std::nullopt;
    for (const QString& zone : {u"America/New_York"_s, u"Australia/Lord_Howe"_s, u"Asia/Kolkata"_s}) {
        qputenv("TZ", zone.toLatin1());
        tzset();
        check(zone);
    }
    if (machineZone) {
        qputenv("TZ", *machineZone);
    } else {
        qunsetenv("TZ");
    }
    tzset();
#endif
}

} // namespace
