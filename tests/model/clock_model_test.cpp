#include "model/clock_model.h"
#include "support/file_size_limit.h"
#include "support/temp_program_folder.h"

#include <QDir>
#include <QSettings>
#include <QSignalSpy>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Setter
{
    const char* name;
    std::function<void(ClockModel&)> set;
    void (ClockModel::*signal)();
    std::function<bool(const ClockSettings&)> holds;
    const char* file;
    QByteArray bytes;

    friend void PrintTo(const Setter& s, std::ostream* os) { *os << s.name; }
};

class ModelSetter : public ::testing::TestWithParam<Setter>
{};

// A setter assigns, writes the file the value lives in with every value of its group,
// and emits its one signal, also when the value does not change.
TEST_P(ModelSetter, AssignsWritesAndSignalsEveryTime)
{
    const Setter& s = GetParam();
    TempProgramFolder folder;
    folder.write(u"set.zdt"_s, "3\r\n");
    folder.write(u"set1.zdt"_s, "2,2\r\n");
    folder.write(u"set3.zdt"_s, "5,0,2\r\n");
    ClockModel model(folder.path());
    ASSERT_FALSE(model.load());
    QSignalSpy spy(&model, s.signal);

    for (int time = 1; time <= 2; ++time) {
        folder.write(QString::fromLatin1(s.file), "x\r\n");
        s.set(model);
        EXPECT_TRUE(s.holds(model.settings()));
        EXPECT_EQ(folder.read(QString::fromLatin1(s.file)), s.bytes) << time;
        EXPECT_EQ(spy.count(), time);
    }
}

// The files hold numbers that are none of their settings' own: each is written back as
// read until its own setting is set.
INSTANTIATE_TEST_SUITE_P(
    Cases, ModelSetter,
    ::testing::Values(
        Setter{"AlwaysOnTop", [](ClockModel& m) { m.setAlwaysOnTop(Stacking::InFront); },
               &ClockModel::alwaysOnTopChanged,
               [](const ClockSettings& s) { return s.alwaysOnTop == Stacking::InFront; }, "set.zdt", "1\r\n"},
        Setter{"TrayIcon", [](ClockModel& m) { m.setTrayIcon(false); }, &ClockModel::trayIconChanged,
               [](const ClockSettings& s) { return !s.trayIcon; }, "set1.zdt", "2,0\r\n"},
        Setter{"SecondHand", [](ClockModel& m) { m.setSecondHand(true); }, &ClockModel::secondHandChanged,
               [](const ClockSettings& s) { return s.secondHand; }, "set1.zdt", "1,2\r\n"},
        // The design settings carry the read-out colour as held: a stored 0 is white.
        Setter{"ColonStyle", [](ClockModel& m) { m.setColonStyle(ColonStyle::Blinking); },
               &ClockModel::colonStyleChanged,
               [](const ClockSettings& s) { return s.colonStyle == ColonStyle::Blinking; }, "set3.zdt",
               "5,16777215,0,0,0,0,0,0,0,0\r\n"},
        Setter{"Design", [](ClockModel& m) { m.setDesign(DesignIndex{6}); }, &ClockModel::designChanged,
               [](const ClockSettings& s) { return s.design == DesignIndex{6}; }, "set3.zdt",
               "6,16777215,2,0,0,0,0,0,0,0\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ClockModel, SavedAlarmsComeBackFromTheFileWithTheBell)
{
    TempProgramFolder folder;
    folder.write(u"alm.zdt"_s, "");
    ClockModel model(folder.path());
    ASSERT_FALSE(model.load());
    ASSERT_FALSE(model.bellShown());
    QSignalSpy changed(&model, &ClockModel::alarmsChanged);

    // A quote cannot stand in the file; the table holds what the file holds.
    const AlarmTable table = {Alarm{.at = QTime(7, 30), .message = u"say \"hi\""_s}};
    ASSERT_TRUE(model.saveAlarms(table));

    ASSERT_EQ(model.alarms().size(), 1u);
    EXPECT_EQ(model.alarms()[0].message, u"say ＂hi＂"_s);
    EXPECT_TRUE(model.bellShown());
    EXPECT_EQ(changed.count(), 1);
}

#ifdef Q_OS_LINUX
// The position is written after every click: in a folder that cannot be written, the
// same failure is told once, until a write succeeds.
TEST(ClockModel, TellsASettingsFailureOnceUntilAWriteSucceeds)
{
    TempProgramFolder folder;
    ClockModel model(folder.path());
    ASSERT_FALSE(model.load());
    QSignalSpy failed(&model, &ClockModel::settingsNotSaved);
    {
        const FileSizeLimit limit(4);
        model.savePosition({512, 300});
        model.savePosition({512, 300});
        ASSERT_EQ(failed.count(), 1);
        EXPECT_EQ(failed[0][0].value<FileFailure>().path, folder.filePath(u"fomit.zdt"_s));
        // As the program ends the failure is handed back, not told.
        EXPECT_EQ(model.savePositionAtExit({512, 300}).size(), 1u);
    }
    EXPECT_EQ(folder.read(u"fomit.zdt"_s), "1500,1500\r\n");
    model.savePosition({512, 300});
    EXPECT_EQ(folder.read(u"fomit.zdt"_s), "7680,4500\r\n");
    {
        const FileSizeLimit limit(4);
        model.savePosition({1, 1});
    }
    EXPECT_EQ(failed.count(), 2);
}
#endif

Alarm withDays(const char* message, AlarmDays days, QTime at = QTime(7, 30))
{
    return Alarm{.at = at, .message = QString::fromUtf8(message), .days = days};
}

constexpr AlarmDays everyDay{};
constexpr AlarmDays workdays{.weekdays = AlarmDays::workdays};
constexpr AlarmDays once{.weekdays = AlarmDays::everyDay, .once = true};
constexpr AlarmDays weekend{.weekdays = 0x41};

// An alarm's days live in the options file and come back with it; the alarm file was
// changed elsewhere: each alarm finds its own options or, with none to find, the defaults.
TEST(ClockModel, AlarmDaysFollowTheirAlarmsThroughAnAlarmFileChangedElsewhere)
{
    struct Case
    {
        const char* name;
        QByteArray alarmFile;
        std::vector<std::pair<QString, AlarmDays>> expected; // by message, in file order
    };
    const auto line = [](const char* time, const char* message) {
        return QByteArray("\"") + time + "\",1,\"標準\",\" 表示 \",\"" + message + "\"\r\n";
    };
    const QByteArray a = line("07:30", "a");
    const QByteArray b = line("08:00", "b");
    const QByteArray b2 = line("08:00", "b");
    const QByteArray c = line("09:00", "c");
    const std::vector<Case> cases = {
        {"AsSaved",
         a + b + b2 + c,
         {{u"a"_s, workdays}, {u"b"_s, once}, {u"b"_s, weekend}, {u"c"_s, everyDay}}},
        {"Reordered",
         c + b + a + b2,
         {{u"c"_s, everyDay}, {u"b"_s, once}, {u"a"_s, workdays}, {u"b"_s, weekend}}},
        {"Fewer", b + c, {{u"b"_s, once}, {u"c"_s, everyDay}}},
        {"More",
         a + line("06:00", "new") + b + b2 + b,
         {{u"a"_s, workdays}, {u"new"_s, everyDay}, {u"b"_s, once}, {u"b"_s, weekend}, {u"b"_s, everyDay}}},
        {"TimeChanged", line("07:31", "a") + b, {{u"a"_s, everyDay}, {u"b"_s, once}}},
        {"MessageChanged", line("07:30", "a!") + b, {{u"a!"_s, everyDay}, {u"b"_s, once}}},
        {"SwitchedOff", QByteArray(a).replace(",1,", ",0,"), {{u"a"_s, workdays}}},
        {"Empty", "", {}},
    };
    for (const Case& c : cases) {
        TempProgramFolder folder;
        {
            ClockModel model(folder.path());
            ASSERT_FALSE(model.load());
            ASSERT_TRUE(model.saveAlarms({withDays("a", workdays), withDays("b", once, QTime(8, 0)),
                                          withDays("b", weekend, QTime(8, 0)),
                                          withDays("c", everyDay, QTime(9, 0))}));
        }
        folder.write(u"alm.zdt"_s, c.alarmFile);
        ClockModel model(folder.path());
        ASSERT_FALSE(model.load());
        std::vector<std::pair<QString, AlarmDays>> found;
        for (const Alarm& alarm : model.alarms()) {
            found.emplace_back(alarm.message, alarm.days);
        }
        EXPECT_EQ(found, c.expected) << c.name;
    }
}

// Whatever the days, the six files are written as without them; the options file keeps
// the sections and keys it does not know.
TEST(ClockModel, AlarmDaysLeaveTheSixFilesAndOtherOptionsAsTheyWere)
{
    const AlarmTable plain = {withDays("a", everyDay), withDays("b", everyDay, QTime(8, 0))};
    const AlarmTable chosen = {withDays("a", workdays), withDays("b", once, QTime(8, 0))};
    TempProgramFolder without;
    TempProgramFolder with;
    with.write(u"options.ini"_s, "[gadget]\nsize=3\n\n[alarms]\n1\\time=\"01:00\"\nsize=1\n");
    for (const auto& [folder, table] : {std::pair{&without, plain}, std::pair{&with, chosen}}) {
        ClockModel model(folder->path());
        ASSERT_FALSE(model.load());
        ASSERT_TRUE(model.saveAlarms(table));
    }
    for (const QString& name :
         {u"fomit.zdt"_s, u"set.zdt"_s, u"set1.zdt"_s, u"set2.zdt"_s, u"set3.zdt"_s, u"alm.zdt"_s}) {
        EXPECT_EQ(with.read(name), without.read(name)) << name.toStdString();
    }

    QSettings options(with.filePath(u"options.ini"_s), QSettings::IniFormat);
    EXPECT_EQ(options.value(u"gadget/size"_s).toInt(), 3);
    EXPECT_EQ(options.value(u"alarms/size"_s).toInt(), 2);
    EXPECT_EQ(options.value(u"alarms/1/days"_s).toString(), u"mon tue wed thu fri"_s);
    EXPECT_EQ(options.value(u"alarms/2/once"_s).toBool(), true);
}

// An alarm set to ring once rings, then is off in the file with its choice kept; the
// others ring on.
TEST(ClockModel, AnAlarmSetToRingOnceRingsOnceAndIsThenOffOnDisk)
{
    TempProgramFolder folder;
    ClockModel model(folder.path());
    ASSERT_FALSE(model.load());
    ASSERT_TRUE(model.saveAlarms({withDays("once", once), withDays("daily", everyDay)}));
    QStringList messages;
    QObject::connect(&model, &ClockModel::alarmRang, [&](const Alarm& alarm) { messages << alarm.message; });
    const QDateTime morning(QDate(2024, 5, 17), QTime(7, 29, 50));
    for (const qint64 seconds : {0, 11, 30, 86'400 + 11}) {
        model.checkAlarms(LocalTime::fromDateTime(morning.addSecs(seconds)));
    }
    EXPECT_EQ(messages, (QStringList{u"once"_s, u"daily"_s, u"daily"_s}));
    EXPECT_EQ(folder.read(u"alm.zdt"_s), "\"07:30\",0,\"標準\",\" 表示 \",\"once\"\r\n"
                                         "\"07:30\",1,\"標準\",\" 表示 \",\"daily\"\r\n");
    ClockModel reread(folder.path());
    ASSERT_FALSE(reread.load());
    EXPECT_FALSE(reread.alarms()[0].enabled);
    EXPECT_EQ(reread.alarms()[0].days, once);
    EXPECT_TRUE(reread.bellShown());
}

// An alarm snoozed before the program ended rings again at its time after a start,
// late within the minutes the schedule catches up, and not at all for an alarm that is
// no longer there; the clock set by hand or a later time leaves the snooze alone.
TEST(ClockModel, ASnoozeOutlivesARestartWithinItsTime)
{
    struct Case
    {
        const char* name;
        std::vector<QTime> ticks; // after the restart
        QStringList rang;         // at the last tick
        bool snoozedAfter;
        QByteArray alarmFile = {};
    };
    const QByteArray edited = "\"07:30\",1,\"標準\",\" 表示 \",\"起きた\"\r\n";
    const Case cases[] = {
        {"JustBefore", {QTime(7, 35, 20, 499)}, {}, true},
        {"OnTheMillisecond", {QTime(7, 35, 20, 499), QTime(7, 35, 20, 500)}, {u"起きて"_s}, false},
        {"StartedLate", {QTime(7, 45, 20, 500)}, {u"起きて"_s}, false},
        {"StartedTooLate", {QTime(7, 45, 20, 501)}, {}, false},
        {"AlarmChangedElsewhere", {QTime(7, 35, 30)}, {}, false, edited},
    };
    const QDate day(2024, 5, 17);
    for (const Case& c : cases) {
        TempProgramFolder folder;
        {
            ClockModel model(folder.path());
            ASSERT_FALSE(model.load());
            ASSERT_TRUE(model.saveAlarms({withDays("起きて", everyDay)}));
            model.checkAlarms(LocalTime::fromDateTime(QDateTime(day, QTime(7, 30))));
            ASSERT_TRUE(model.hasAlarmsWaiting());
            model.snoozeWaitingAlarms(LocalTime::fromDateTime(QDateTime(day, QTime(7, 30, 20, 500))));
            EXPECT_FALSE(model.hasAlarmsWaiting());
        }
        if (!c.alarmFile.isEmpty()) {
            folder.write(u"alm.zdt"_s, c.alarmFile);
        }
        ClockModel model(folder.path());
        ASSERT_FALSE(model.load());
        QStringList rang;
        QObject::connect(&model, &ClockModel::alarmRang, [&](const Alarm& alarm) { rang << alarm.message; });
        for (const QTime& tick : c.ticks) {
            rang.clear();
            model.checkAlarms(LocalTime::fromDateTime(QDateTime(day, tick)));
        }
        EXPECT_EQ(rang, c.rang) << c.name;
        EXPECT_EQ(model.hasAlarmsWaiting(), !c.rang.isEmpty()) << c.name;
        EXPECT_EQ(!model.snoozes().empty(), c.snoozedAfter) << c.name;
        ClockModel reread(folder.path());
        ASSERT_FALSE(reread.load());
        EXPECT_EQ(!reread.snoozes().empty(), c.snoozedAfter && c.alarmFile.isEmpty()) << c.name;
    }
}

// A day and a night of ticks each minute: the chime, when on, sounds at the first tick
// of each hour, but not in its quiet hours and not in the minute an alarm rings.
TEST(ClockModel, TheChimeSoundsOnTheHourOutsideItsQuietHoursAndNeverOverAnAlarm)
{
    const auto hours = [](int from, int to) {
        std::vector<int> range;
        for (int hour = from; hour < to; ++hour) {
            range.push_back(hour);
        }
        return range;
    };
    const auto joined = [](std::vector<int> a, const std::vector<int>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const Chime on{.on = true};
    const auto quiet = [](bool chosen, QuietHours hours) {
        Chime chime;
        chime.on = true;
        chime.keepsQuiet = chosen;
        chime.quiet = hours;
        return chime;
    };
    struct Case
    {
        const char* name;
        Chime chime;
        AlarmTable alarms;
        std::vector<int> chimed; // the hours, from 01:00 to the next day's 00:00
    };
    const Case cases[] = {
        {"Off", {}, {}, {}},
        {"EveryHour", on, {}, joined(hours(1, 24), {0})},
        {"QuietHoursSetButNotChosen", quiet(false, {9, 17}), {}, joined(hours(1, 24), {0})},
        {"QuietAcrossMidnight", quiet(true, {22, 7}), {}, hours(7, 22)},
        {"QuietInTheDay", quiet(true, {9, 17}), {}, joined(joined(hours(1, 9), hours(17, 24)), {0})},
        {"QuietAllDay", quiet(true, {6, 6}), {}, {}},
        {"BesideAnAlarmOfItsMinute",
         on,
         {withDays("昼", everyDay, QTime(12, 0))},
         joined(joined(hours(1, 12), hours(13, 24)), {0})},
        {"BesideAnAlarmSwitchedOff",
         on,
         {Alarm{.at = QTime(12, 0), .enabled = false}},
         joined(hours(1, 24), {0})},
        {"AfterAnAlarmOfTheMinuteBefore",
         on,
         {withDays("昼", everyDay, QTime(11, 59))},
         joined(hours(1, 24), {0})},
    };
    for (const Case& c : cases) {
        TempProgramFolder folder;
        ClockModel model(folder.path());
        ASSERT_FALSE(model.load());
        ASSERT_TRUE(model.saveAlarms(c.alarms));
        model.setChime(c.chime);
        std::vector<int> chimed;
        const LocalTime* current = nullptr;
        QObject::connect(&model, &ClockModel::hourChimed, [&] { chimed.push_back(current->hour); });
        const QDateTime start(QDate(2024, 5, 17), QTime(0, 0, 30));
        for (int minute = 0; minute <= 24 * 60; ++minute) {
            const LocalTime now = LocalTime::fromDateTime(
                minute == 0 ? start : QDateTime(start.date(), QTime(0, 0)).addSecs(minute * 60));
            current = &now;
            model.checkAlarms(now);
        }
        EXPECT_EQ(chimed, c.chimed) << c.name;
    }
}

// The snooze length and the chime are kept in their own sections and come back as set;
// the six files never see them.
TEST(ClockModel, TheSnoozeLengthAndTheChimeAreKeptBesideTheSixFiles)
{
    TempProgramFolder folder;
    const QByteArray before = folder.snapshot();
    const Chime chosen{.on = true, .waveFile = u"/home/a/鐘.wav"_s, .keepsQuiet = true, .quiet = {23, 6}};
    {
        ClockModel model(folder.path());
        ASSERT_FALSE(model.load());
        EXPECT_EQ(model.chime(), Chime());
        EXPECT_EQ(model.snoozeLength(), SnoozeLength(SnoozeLength::standard));
        QSignalSpy chimeChanged(&model, &ClockModel::chimeChanged);
        QSignalSpy snoozeChanged(&model, &ClockModel::snoozeChanged);
        model.setChime(chosen);
        model.setSnoozeLength(SnoozeLength(12));
        EXPECT_EQ(chimeChanged.count(), 1);
        EXPECT_EQ(snoozeChanged.count(), 1);
    }
    ClockModel model(folder.path());
    ASSERT_FALSE(model.load());
    EXPECT_EQ(model.chime(), chosen);
    EXPECT_EQ(model.snoozeLength().minutes(), 12);
    QSettings options(folder.filePath(u"options.ini"_s), QSettings::IniFormat);
    EXPECT_EQ(options.childGroups(), (QStringList{u"chime"_s, u"snooze"_s}));
    folder.remove(u"options.ini"_s);
    EXPECT_EQ(folder.snapshot(), before);
}

// The clock's size lives in its own section of the options file, as a percentage: each
// size of the table comes back as set, beside the alarms' section, and the files of the
// alarms and the position are left alone; a file spelling no size of the table gives the clock as designed.
TEST(ClockModel, TheClockSizeComesBackFromTheOptionsFile)
{
    for (int step = 0; step < ClockSize::stepCount; ++step) {
        TempProgramFolder folder;
        {
            ClockModel model(folder.path());
            ASSERT_FALSE(model.load());
            ASSERT_TRUE(model.saveAlarms({withDays("a", workdays)}));
            const QByteArray alarmFile = folder.read(u"alm.zdt"_s);
            const QByteArray position = folder.read(u"fomit.zdt"_s);
            QSignalSpy changed(&model, &ClockModel::clockSizeChanged);
            model.setClockSize(ClockSize{step});
            EXPECT_EQ(changed.count(), 1);
            EXPECT_EQ(folder.read(u"alm.zdt"_s), alarmFile);
            EXPECT_EQ(folder.read(u"fomit.zdt"_s), position);
        }
        ClockModel reread(folder.path());
        ASSERT_FALSE(reread.load());
        EXPECT_EQ(reread.clockSize().percent(), ClockSize::percents[step]);
        EXPECT_EQ(reread.alarms()[0].days, workdays);
        QSettings options(folder.filePath(u"options.ini"_s), QSettings::IniFormat);
        EXPECT_EQ(options.value(u"gadget/size"_s).toInt(), ClockSize::percents[step]);
    }

    const struct
    {
        QByteArray file;
        int percent;
    } spelled[] = {
        {"[gadget]\nsize=150\n", 150}, {"[gadget]\nsize=175\n", 100},  {"[gadget]\nsize=300\n", 100},
        {"[gadget]\nsize=big\n", 100}, {"[gadget]\nsize=-200\n", 100}, {"[alarms]\nsize=0\n", 100},
    };
    for (const auto& c : spelled) {
        TempProgramFolder folder;
        folder.write(u"options.ini"_s, c.file);
        ClockModel model(folder.path());
        ASSERT_FALSE(model.load());
        EXPECT_EQ(model.clockSize().percent(), c.percent) << c.file.constData();
    }
}

// Where several screens are, the screen the clock's position lies on comes back as set;
// a spelling that is no screen gives none.
TEST(ClockModel, TheClocksScreenComesBackFromTheOptionsFile)
{
    {
        TempProgramFolder folder;
        {
            ClockModel model(folder.path());
            ASSERT_FALSE(model.load());
            model.setClockSize(*ClockSize::ofPercent(150));
            model.setHomeScreen(QRect(-1280, 0, 1280, 1024));
        }
        ClockModel reread(folder.path());
        ASSERT_FALSE(reread.load());
        EXPECT_EQ(reread.homeScreen(), QRect(-1280, 0, 1280, 1024));
        EXPECT_EQ(reread.clockSize().percent(), 150);
    }
    for (const QByteArray spelled : {"1024 0 1024", "1024 0 1024 768 1", "a 0 1024 768", "0 0 0 768", ""}) {
        TempProgramFolder folder;
        folder.write(u"options.ini"_s, "[gadget]\nscreen=" + spelled + "\n");
        ClockModel model(folder.path());
        ASSERT_FALSE(model.load());
        EXPECT_EQ(model.homeScreen(), std::nullopt) << spelled.constData();
    }
}

#ifdef Q_OS_LINUX
// An options file that cannot be written is told as a settings file; the alarms are saved.
TEST(ClockModel, AnOptionsFileThatCannotBeWrittenIsTold)
{
    TempProgramFolder folder;
    ClockModel model(folder.path());
    ASSERT_FALSE(model.load());
    QSignalSpy failed(&model, &ClockModel::settingsNotSaved);
    ASSERT_TRUE(QDir(folder.path()).mkdir(u"options.ini"_s));
    EXPECT_TRUE(model.saveAlarms({withDays("a", workdays)}));
    ASSERT_EQ(failed.count(), 1);
    EXPECT_EQ(failed[0][0].value<FileFailure>().path, folder.filePath(u"options.ini"_s));
    EXPECT_EQ(model.alarms().size(), 1u);

    QSignalSpy notRead(&model, &ClockModel::optionsNotRead);
    ASSERT_FALSE(model.load());
    EXPECT_EQ(notRead.count(), 1);
    EXPECT_EQ(model.alarms()[0].days, everyDay);
}
#endif

TEST(ClockModel, LoadRemovesTheTemporariesOfInterruptedSavesOnly)
{
    TempProgramFolder folder;
    const QStringList leftovers = {u"fomit.zdt.Ab12Cd"_s, u"set3.zdt.zzzzzz"_s, u"alm.zdt.X1y2Z3"_s,
                                   u"options.ini.a1B2c3"_s};
    const QStringList others = {u"fomit.zdt.bak"_s, u"alm.zdt.1234567"_s, u"notes.zdt.Ab12Cd"_s};
    for (const QString& name : leftovers + others) {
        folder.write(name, "7680,");
    }
    ClockModel model(folder.path());
    ASSERT_FALSE(model.load());
    for (const QString& name : leftovers) {
        EXPECT_FALSE(QFile::exists(folder.filePath(name))) << name.toStdString();
    }
    for (const QString& name : others) {
        EXPECT_TRUE(QFile::exists(folder.filePath(name))) << name.toStdString();
    }
}

} // namespace
