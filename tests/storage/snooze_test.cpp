#include "storage/snooze.h"
#include "support/temp_program_folder.h"

#include <QSettings>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

Alarm alarmAt(QTime at, const char* message)
{
    return Alarm{.at = at, .message = QString::fromUtf8(message)};
}

const AlarmTable table = {alarmAt(QTime(7, 30), "起きて"), alarmAt(QTime(12, 0), "お昼")};
// 2024-05-17 07:35:40.250 in Tokyo.
constexpr long long dueUtcMs = 1'715'898'940'250LL;
constexpr int tokyo = 9 * 3600;

// The snooze goes to its section and comes back: the length as set, each snoozed alarm
// with its moment and the clock time it shows, on its alarm of the table.
TEST(SnoozeOptions, ComeBackAsWritten)
{
    struct Case
    {
        const char* name;
        snooze_options::Options options;
    };
    const Case cases[] = {
        {"Nothing", {}},
        {"LengthOnly", {.length = SnoozeLength(12)}},
        {"OneSnoozed", {.snoozed = {{table[1], dueUtcMs, tokyo}}}},
        {"TwoWestOfUtc",
         {.length = SnoozeLength(30),
          .snoozed = {{table[0], dueUtcMs, -5 * 3600}, {table[1], dueUtcMs + 1, 0}}}},
    };
    for (const Case& c : cases) {
        TempProgramFolder folder;
        {
            QSettings settings(folder.filePath(u"options.ini"_s), QSettings::IniFormat);
            snooze_options::write(settings, c.options);
        }
        QSettings settings(folder.filePath(u"options.ini"_s), QSettings::IniFormat);
        const snooze_options::Options read = snooze_options::read(settings, table);
        EXPECT_EQ(read.length, c.options.length) << c.name;
        EXPECT_EQ(read.snoozed, c.options.snoozed) << c.name;
    }
    EXPECT_EQ(Snooze({table[0], dueUtcMs, tokyo}).dueLocal(), QTime(7, 35, 40, 250));
    EXPECT_EQ(Snooze({table[0], dueUtcMs, -5 * 3600}).dueLocal(), QTime(17, 35, 40, 250));
}

// The file as a hand or a newer copy may leave it: what cannot be read is no snooze, a
// length outside 1..30 the nearest inside, an alarm the table no longer has no snooze.
TEST(SnoozeOptions, ReadWhatTheyCanFromAFileEditedElsewhere)
{
    TempProgramFolder written;
    {
        QSettings settings(written.filePath(u"options.ini"_s), QSettings::IniFormat);
        snooze_options::write(settings, {.snoozed = {{table[0], dueUtcMs, tokyo}}});
    }
    const QByteArray snoozed = written.read(u"options.ini"_s);
    ASSERT_TRUE(snoozed.contains("due=2024-05-17T07:35:40.250+09:00")) << snoozed.toStdString();
    struct Case
    {
        const char* name;
        QByteArray content;
        std::optional<int> minutes;
        std::vector<QString> snoozed; // by message
    };
    const Case cases[] = {
        {"NoSection", "[alarms]\nsize=0\n", std::nullopt, {}},
        {"AsWritten", snoozed, std::nullopt, {u"起きて"_s}},
        {"TooShort", "[snooze]\nminutes=0\n", 1, {}},
        {"TooLong", "[snooze]\nminutes=99\n", 30, {}},
        {"NotANumber", "[snooze]\nminutes=five\n", std::nullopt, {}},
        {"DueWithoutMilliseconds", QByteArray(snoozed).replace(".250", ""), std::nullopt, {u"起きて"_s}},
        {"DueUnreadable",
         QByteArray(snoozed).replace("2024-05-17T07:35:40.250+09:00", "soon"),
         std::nullopt,
         {}},
        {"AlarmChanged", QByteArray(snoozed).replace("07:30", "07:31"), std::nullopt, {}},
    };
    for (const Case& c : cases) {
        TempProgramFolder folder;
        folder.write(u"options.ini"_s, c.content);
        QSettings settings(folder.filePath(u"options.ini"_s), QSettings::IniFormat);
        const snooze_options::Options read = snooze_options::read(settings, table);
        EXPECT_EQ(read.length ? std::optional(read.length->minutes()) : std::nullopt, c.minutes) << c.name;
        std::vector<QString> messages;
        for (const Snooze& snooze : read.snoozed) {
            messages.push_back(snooze.alarm.message);
        }
        EXPECT_EQ(messages, c.snoozed) << c.name;
    }
}

} // namespace
