#include "storage/alarm_file.h"
#include "support/file_size_limit.h"
#include "support/temp_program_folder.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <utility>
#include <vector>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;

namespace {

const QString wake = u"起きて"_s;

const std::optional<QString> standard;
constexpr bool on = true;
constexpr bool off = false;
constexpr bool shown = true;
constexpr bool hidden = false;

Alarm alarm(QTime at, bool enabled, const std::optional<QString>& waveFile, bool showsMessage,
            const QString& message, const AlarmSpelling& spelling = {})
{
    return Alarm{at, enabled, waveFile, showsMessage, message, spelling};
}

struct ParseCase
{
    const char* name;
    QString content;
    AlarmTable expected;
    bool upgraded;

    friend void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.name; }
};

class AlarmFileParse : public ::testing::TestWithParam<ParseCase>
{};

TEST_P(AlarmFileParse, ReadsTheTable)
{
    const ParseCase& c = GetParam();
    const alarm_file::Parsed parsed = alarm_file::parse(c.content);
    EXPECT_EQ(parsed.table, c.expected);
    EXPECT_EQ(parsed.upgraded, c.upgraded);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AlarmFileParse,
    ::testing::Values(
        ParseCase{"Empty", QString(), {}, false},
        ParseCase{
            "FiveValues",
            u"\"07:30\",1,\"標準\",\" 表示 \",\"時間になりました。\"\r\n\"22:05\",0,\"/snd/a.wav\",\"非表示\",\"寝る\"\r\n"_s,
            {alarm(QTime(7, 30), on, standard, shown, u"時間になりました。"_s),
             alarm(QTime(22, 5), off, u"/snd/a.wav"_s, hidden, u"寝る"_s)},
            false},
        ParseCase{
            "FourValuesThreeRecords",
            u"\"07:30\",1,\"標準\",\" 表示 \"\r\n\"08:00\",0,\"c:\\a.wav\",\"非表示\"\r\n\"09:15\",1,\"標準\",\" 表示 \"\r\n"_s,
            {alarm(QTime(7, 30), on, standard, shown, u"時間になりました。"_s),
             alarm(QTime(8, 0), off, u"c:\\a.wav"_s, hidden, u"時間になりました。"_s),
             alarm(QTime(9, 15), on, standard, shown, u"時間になりました。"_s)},
            true},
        // Twenty values also read as four five-value records; the lines tell the form.
        ParseCase{"FourValuesFiveRecords",
                  u"\"01:00\",1,\"標準\",\"非表示\"\r\n\"02:00\",1,\"標準\",\"非表示\"\r\n\"03:00\",1,"
                  u"\"標準\",\"非表示\"\r\n"
                  u"\"04:00\",1,\"標準\",\"非表示\"\r\n\"05:00\",1,\"標準\",\"非表示\"\r\n"_s,
                  {alarm(QTime(1, 0), on, standard, hidden, u"時間になりました。"_s),
                   alarm(QTime(2, 0), on, standard, hidden, u"時間になりました。"_s),
                   alarm(QTime(3, 0), on, standard, hidden, u"時間になりました。"_s),
                   alarm(QTime(4, 0), on, standard, hidden, u"時間になりました。"_s),
                   alarm(QTime(5, 0), on, standard, hidden, u"時間になりました。"_s)},
                  true},
        ParseCase{"EmptyDisplayFlagMeansStandardSoundWithMessage",
                  u"\"07:30\",1,\"/snd/a.wav\",,\"x\"\r\n\"07:31\",\"0\",\"/snd/b.wav\",\"\",\"y\"\r\n"_s,
                  {alarm(QTime(7, 30), on, standard, shown, u"x"_s),
                   alarm(QTime(7, 31), off, standard, shown, u"y"_s)},
                  false},
        ParseCase{"EmptyTimeIsDropped",
                  u"\"\",1,\"標準\",\" 表示 \",\"a\"\r\n\"06:00\",1,\"標準\",\" 表示 \",\"b\"\r\n"_s,
                  {alarm(QTime(6, 0), on, standard, shown, u"b"_s)},
                  false},
        ParseCase{"CommasInsideQuotes",
                  u"\"07:30\",1,\"標準\",\" 表示 \",\"起きて, 起きて, 朝だよ\"\r\n"_s,
                  {alarm(QTime(7, 30), on, standard, shown, u"起きて, 起きて, 朝だよ"_s)},
                  false},
        // Cut off inside its last value: damage, not the older four-value form.
        ParseCase{"TruncatedLineIsNotTheOlderForm", u"\"07:30\",1,\"標準\",\" 表示"_s, {}, false},
        ParseCase{"TruncatedSecondLineIsNotTheOlderForm",
                  u"\"07:30\",1,\"標準\",\" 表示 \"\r\n\"08:00\",1,\"標準\",\"非"_s,
                  {alarm(QTime(7, 30), on, standard, shown, u"08:00"_s)},
                  false},
        ParseCase{"DamagedFileKeepsWhatReads",
                  u"\"07:30\",1,\"標準\",\" 表示 \",\"a\"\r\n\"08:00\",1,\"標準\"\r\n"_s,
                  {alarm(QTime(7, 30), on, standard, shown, u"a"_s)},
                  false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AlarmFile, LoadsEveryRecordOfALongFile)
{
    QString content;
    for (int i = 0; i < 12; ++i) {
        content += u"\"%1:00\",1,\"標準\",\" 表示 \",\"m%1\"\r\n"_s.arg(i, 2, 10, QLatin1Char('0'));
    }
    const alarm_file::Parsed parsed = alarm_file::parse(content);
    ASSERT_EQ(parsed.table.size(), 12u);
    EXPECT_EQ(parsed.table[11].at, QTime(11, 0));
    EXPECT_EQ(parsed.table[11].message, u"m11"_s);
}

TEST(AlarmFile, ReadingTakesLinearTime)
{
    // 800,000 line ends took 35 s when every record looked for the end afresh.
    const QString content = u"\"07:30\",1,\"標準\",\" 表示 \",\"a\""_s + QString(800000, u'\n') + u"x"_s;
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(alarm_file::parse(content).table.size(), 1u);
    EXPECT_LT(timer.elapsed(), 10000);
}

TEST(AlarmFile, FormatsTheSaveAndTheUpgradeByteExact)
{
    const AlarmTable table{alarm(QTime(7, 30), on, standard, shown, u"時間になりました。"_s),
                           alarm(QTime(23, 59), off, u"/home/u/ring.wav"_s, hidden, wake)};
    EXPECT_EQ(
        alarm_file::format(table, false),
        u"\"07:30\",1,\"標準\",\" 表示 \",\"時間になりました。\"\r\n\"23:59\",0,\"/home/u/ring.wav\",\"非表示\",\"起きて\"\r\n"_s);
    EXPECT_EQ(
        alarm_file::format(table, true),
        u"\"07:30\",\"1\",\"標準\",\" 表示 \",\"時間になりました。\"\r\n\"23:59\",\"0\",\"/home/u/ring.wav\",\"非表示\",\"起きて\"\r\n"_s);
    EXPECT_EQ(alarm_file::format({}, false), QString());
}

TEST(AlarmFile, ReadsTheTimeAsTheClockMatchesIt)
{
    // The hour is the first two characters, the minute the last two.
    const std::pair<QString, QTime> cases[] = {
        {u"07:30"_s, QTime(7, 30)},  {u"0730"_s, QTime(7, 30)}, {u"00"_s, QTime(0, 0)},
        {u"23:59"_s, QTime(23, 59)}, {u"24:00"_s, QTime()},     {u"07:60"_s, QTime()},
        {u"7:30"_s, QTime()},        {u"07:3"_s, QTime()},      {u"7"_s, QTime()},
        {u"٠٧:٣٠"_s, QTime()},       {u" 07:30"_s, QTime()},
    };
    for (const auto& [text, time] : cases) {
        const alarm_file::Parsed parsed =
            alarm_file::parse(u"\"%1\",1,\"標準\",\" 表示 \",\"m\"\r\n"_s.arg(text));
        ASSERT_EQ(parsed.table.size(), 1u) << text.toStdString();
        EXPECT_EQ(parsed.table[0].at, time) << text.toStdString();
        EXPECT_EQ(alarm_file::timeText(parsed.table[0]), text);
    }
}

// A hand-edited file may spell a field its own way; the alarm means what the clock makes
// of it, and a save writes the spelling back as long as the alarm still means that.
TEST(AlarmFile, OddSpellingsMeanWhatTheClockMakesOfThemAndAreWrittenBackAsRead)
{
    struct Case
    {
        const char* name;
        QString line; // in the older four-value form, so that the upgrade writes every field quoted
        Alarm expected;
    };
    const Case cases[] = {
        {"TimeOfFourCharacters", u"\"0730\",\"1\",\"標準\",\" 表示 \"\r\n"_s,
         alarm(QTime(7, 30), on, standard, shown, defaultAlarmMessage, {.time = u"0730"_s})},
        {"TimeThatIsNone", u"\"7:30\",\"1\",\"標準\",\" 表示 \"\r\n"_s,
         alarm(QTime(), on, standard, shown, defaultAlarmMessage, {.time = u"7:30"_s})},
        {"HourOutOfRange", u"\"24:00\",\"1\",\"標準\",\" 表示 \"\r\n"_s,
         alarm(QTime(), on, standard, shown, defaultAlarmMessage, {.time = u"24:00"_s})},
        {"EnabledFlagOfItsOwn", u"\"07:30\",\"yes\",\"標準\",\" 表示 \"\r\n"_s,
         alarm(QTime(7, 30), off, standard, shown, defaultAlarmMessage, {.enabled = u"yes"_s})},
        {"EmptySound", u"\"07:30\",\"1\",\"\",\" 表示 \"\r\n"_s,
         alarm(QTime(7, 30), on, standard, shown, defaultAlarmMessage, {.sound = u""_s})},
        {"DisplayFlagOfItsOwn", u"\"07:30\",\"1\",\"標準\",\"表示\"\r\n"_s,
         alarm(QTime(7, 30), on, standard, hidden, defaultAlarmMessage, {.display = u"表示"_s})},
    };
    for (const Case& c : cases) {
        const alarm_file::Parsed parsed = alarm_file::parse(c.line);
        ASSERT_EQ(parsed.table.size(), 1u) << c.name;
        EXPECT_EQ(parsed.table[0], c.expected) << c.name;
        const QString upgraded = alarm_file::format(parsed.table, true);
        EXPECT_TRUE(upgraded.startsWith(c.line.left(c.line.size() - 2))) << c.name << upgraded.toStdString();

        // Changed, an alarm is written as it now means.
        Alarm changed = parsed.table[0];
        changed.at = QTime(8, 15);
        changed.enabled = true;
        changed.waveFile = u"/a.wav"_s;
        changed.showsMessage = true;
        EXPECT_EQ(alarm_file::format({changed}, false),
                  u"\"08:15\",1,\"/a.wav\",\" 表示 \",\"時間になりました。\"\r\n"_s)
            << c.name;
    }
}

TEST(AlarmFile, UpgradedFileReadsBackTheSame)
{
    const alarm_file::Parsed four =
        alarm_file::parse(u"\"07:30\",1,\"標準\",\" 表示 \"\r\n\"08:00\",0,\"標準\",\"非表示\"\r\n"_s);
    ASSERT_TRUE(four.upgraded);
    const alarm_file::Parsed again = alarm_file::parse(alarm_file::format(four.table, true));
    EXPECT_FALSE(again.upgraded);
    EXPECT_EQ(again.table, four.table);
}

TEST(AlarmFile, QuotesAndLineBreaksCannotBreakARecord)
{
    const AlarmTable table{
        alarm(QTime(7, 30), on, u"/snd/\"x\".wav"_s, shown, u"一行目\r\n二行目\n\"三\""_s)};
    const alarm_file::Parsed parsed = alarm_file::parse(alarm_file::format(table, false));
    ASSERT_EQ(parsed.table.size(), 1u);
    EXPECT_EQ(parsed.table[0].waveFile, u"/snd/＂x＂.wav"_s);
    EXPECT_EQ(parsed.table[0].message, u"一行目 二行目 ＂三＂"_s);
    EXPECT_FALSE(parsed.upgraded);

    // A flag broken over two lines is none of the flags; written back, its line break
    // must not turn it into one.
    const alarm_file::Parsed broken = alarm_file::parse(u"\"07:30\",1,\"標準\",\" 表示\r\n\",\"x\"\r\n"_s);
    ASSERT_EQ(broken.table.size(), 1u);
    EXPECT_FALSE(broken.table[0].showsMessage);
    for (const bool upgrade : {false, true}) {
        const alarm_file::Parsed again = alarm_file::parse(alarm_file::format(broken.table, upgrade));
        ASSERT_EQ(again.table.size(), 1u);
        EXPECT_FALSE(again.table[0].showsMessage) << upgrade;
    }
}

TEST(AlarmFile, ReadsUtf8AndFallsBackToCp932)
{
    const QString text = u"\"07:30\",1,\"標準\",\" 表示 \",\"時間になりました。\"\r\n"_s;
    EXPECT_EQ(alarm_file::decode(text.toUtf8()), text);
    // The same line as Japanese Windows writes it, in CP932 (表 holds a backslash byte).
    const QByteArray windowsBytes =
        QByteArray::fromHex("2230373a3330222c312c2295578f80222c2220955c8ea620222c228e9e"
                            "8ad482c982c882e882dc82b582bd8142220d0a");
    EXPECT_EQ(alarm_file::decode(windowsBytes), text);
}

class AlarmFileOnDisk : public ::testing::Test
{
protected:
    QString path() const { return folder.filePath(u"alm.zdt"_s); }

    TempProgramFolder folder;
};

TEST_F(AlarmFileOnDisk, MissingFileGivesAnEmptyTableAndCreatesNothing)
{
    folder.remove(u"alm.zdt"_s);
    const alarm_file::Load load = alarm_file::load(path());
    EXPECT_TRUE(load.table.empty());
    EXPECT_FALSE(load.readFailure);
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(AlarmFileOnDisk, CurrentFormEmptyOrDamagedFileIsNotRewritten)
{
    for (const QByteArray& bytes : {QByteArray("\"07:30\",1,\"標準\",\" 表示 \",\"a\"\r\n"), QByteArray(),
                                    QByteArray("\"07:30\",1,\"標準\",\" 表示")}) {
        folder.write(u"alm.zdt"_s, bytes);
        const alarm_file::Load load = alarm_file::load(path());
        EXPECT_EQ(folder.read(u"alm.zdt"_s), bytes);
        EXPECT_FALSE(load.readFailure);
        EXPECT_FALSE(load.upgradeFailure);
    }
}

TEST_F(AlarmFileOnDisk, SpecialOrHugeFilesAreRefusedAndSaySo)
{
    using enum FileFailure::Cause;
    std::vector<std::pair<alarm_file::Load, FileFailure::Cause>> refused;
    folder.remove(u"alm.zdt"_s);
#ifdef Q_OS_UNIX
    ASSERT_EQ(mkfifo(QFile::encodeName(path()).constData(), 0600), 0); // would block until written
    refused.emplace_back(alarm_file::load(path()), NotRegularFile);
    folder.remove(u"alm.zdt"_s);
    ASSERT_TRUE(QFile::link(u"/dev/zero"_s, path())); // would read until memory runs out
    refused.emplace_back(alarm_file::load(path()), NotRegularFile);
    folder.remove(u"alm.zdt"_s);
#endif
    folder.write(u"alm.zdt"_s, QByteArray(2 << 20, '\n'));
    refused.emplace_back(alarm_file::load(path()), TooLarge);

    for (const auto& [load, cause] : refused) {
        EXPECT_TRUE(load.table.empty());
        ASSERT_TRUE(load.readFailure);
        EXPECT_EQ(load.readFailure->cause, cause);
        EXPECT_EQ(load.readFailure->path, path());
    }
}

TEST_F(AlarmFileOnDisk, TheFirstAlarmWhoseTimeCannotRingIsNamedAndKeptAsRead)
{
    const auto record = [](const char* time) {
        return QByteArray("\"") + time + "\",1,\"標準\",\" 表示 \",\"a\"\r\n";
    };
    struct Case
    {
        QByteArray bytes;
        int alarmNumber; // 0: none
        QString time;
    };
    const Case cases[] = {
        {record("07:30") + record("0730") + record("23:59"), 0, {}},
        {record("07:30") + record("25:00") + record("7:05"), 2, u"25:00"_s},
        {record("07:60"), 1, u"07:60"_s},
        {record("7:05"), 1, u"7:05"_s},
    };
    for (const Case& c : cases) {
        folder.write(u"alm.zdt"_s, c.bytes);
        const alarm_file::Load load = alarm_file::load(path());
        EXPECT_EQ(load.table.size(), std::size_t(c.bytes.count("\r\n"))) << c.bytes.constData();
        EXPECT_EQ(load.unreadableTime.has_value(), c.alarmNumber != 0) << c.bytes.constData();
        if (load.unreadableTime) {
            EXPECT_EQ(load.unreadableTime->path, path());
            EXPECT_EQ(load.unreadableTime->alarmNumber, c.alarmNumber);
            EXPECT_EQ(load.unreadableTime->time, c.time);
        }
        EXPECT_EQ(folder.read(u"alm.zdt"_s), c.bytes);
    }
}

TEST_F(AlarmFileOnDisk, OlderFormIsRewrittenWithFiveQuotedValues)
{
    folder.write(u"alm.zdt"_s, "\"07:30\",1,\"標準\",\" 表示 \"\r\n");
    EXPECT_EQ(alarm_file::load(path()).table.size(), 1u);
    EXPECT_EQ(QString::fromUtf8(folder.read(u"alm.zdt"_s)),
              u"\"07:30\",\"1\",\"標準\",\" 表示 \",\"時間になりました。\"\r\n"_s);
}

TEST_F(AlarmFileOnDisk, SaveWritesTheFileInUtf8)
{
    ASSERT_TRUE(std::holds_alternative<AlarmTable>(
        alarm_file::save(path(), {alarm(QTime(6, 45), on, standard, hidden, wake)})));
    EXPECT_EQ(QString::fromUtf8(folder.read(u"alm.zdt"_s)),
              u"\"06:45\",1,\"標準\",\"非表示\",\"起きて\"\r\n"_s);
}

#ifdef Q_OS_LINUX
TEST_F(AlarmFileOnDisk, FailedSaveKeepsTheOldFileAndSaysWhy)
{
    const QByteArray before = "\"07:30\",1,\"標準\",\" 表示 \",\"a\"\r\n";
    folder.write(u"alm.zdt"_s, before);
    {
        const FileSizeLimit limit(8);
        const auto saved = alarm_file::save(path(), {alarm(QTime(6, 45), on, standard, hidden, wake)});
        ASSERT_TRUE(std::holds_alternative<FileFailure>(saved));
        EXPECT_EQ(std::get<FileFailure>(saved).path, path());
    }
    EXPECT_EQ(folder.read(u"alm.zdt"_s), before);
}
#endif

} // namespace
