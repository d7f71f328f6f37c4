#include "storage/alarm_file.h"
#include "support/fake_platform.h"
#include "support/file_size_limit.h"
#include "support/temp_program_folder.h"

#include <QElapsedTimer>
#include <QStringEncoder>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

const QString wake = u"起きて"_s;

AlarmRecord alarm(const QString& time, const QString& enabled, const QString& sound, const QString& display,
                  const QString& message)
{
    return AlarmRecord{time, enabled, sound, display, message};
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
            {alarm(u"07:30"_s, u"1"_s, u"標準"_s, u" 表示 "_s, u"時間になりました。"_s),
             alarm(u"22:05"_s, u"0"_s, u"/snd/a.wav"_s, u"非表示"_s, u"寝る"_s)},
            false},
        ParseCase{
            "FourValuesThreeRecords",
            u"\"07:30\",1,\"標準\",\" 表示 \"\r\n\"08:00\",0,\"c:\\a.wav\",\"非表示\"\r\n\"09:15\",1,\"標準\",\" 表示 \"\r\n"_s,
            {alarm(u"07:30"_s, u"1"_s, u"標準"_s, u" 表示 "_s, u"時間になりました。"_s),
             alarm(u"08:00"_s, u"0"_s, u"c:\\a.wav"_s, u"非表示"_s, u"時間になりました。"_s),
             alarm(u"09:15"_s, u"1"_s, u"標準"_s, u" 表示 "_s, u"時間になりました。"_s)},
            true},
        // Twenty values also read as four five-value records; the lines tell the form.
        ParseCase{"FourValuesFiveRecords",
                  u"\"01:00\",1,\"標準\",\"非表示\"\r\n\"02:00\",1,\"標準\",\"非表示\"\r\n\"03:00\",1,"
                  u"\"標準\",\"非表示\"\r\n"
                  u"\"04:00\",1,\"標準\",\"非表示\"\r\n\"05:00\",1,\"標準\",\"非表示\"\r\n"_s,
                  {alarm(u"01:00"_s, u"1"_s, u"標準"_s, u"非表示"_s, u"時間になりました。"_s),
                   alarm(u"02:00"_s, u"1"_s, u"標準"_s, u"非表示"_s, u"時間になりました。"_s),
                   alarm(u"03:00"_s, u"1"_s, u"標準"_s, u"非表示"_s, u"時間になりました。"_s),
                   alarm(u"04:00"_s, u"1"_s, u"標準"_s, u"非表示"_s, u"時間になりました。"_s),
                   alarm(u"05:00"_s, u"1"_s, u"標準"_s, u"非表示"_s, u"時間になりました。"_s)},
                  true},
        ParseCase{"EmptyDisplayFlagMeansStandardSoundWithMessage",
                  u"\"07:30\",1,\"/snd/a.wav\",,\"x\"\r\n\"07:31\",\"0\",\"/snd/b.wav\",\"\",\"y\"\r\n"_s,
                  {alarm(u"07:30"_s, u"1"_s, u"標準"_s, u" 表示 "_s, u"x"_s),
                   alarm(u"07:31"_s, u"0"_s, u"標準"_s, u" 表示 "_s, u"y"_s)},
                  false},
        ParseCase{"EmptyTimeIsDropped",
                  u"\"\",1,\"標準\",\" 表示 \",\"a\"\r\n\"06:00\",1,\"標準\",\" 表示 \",\"b\"\r\n"_s,
                  {alarm(u"06:00"_s, u"1"_s, u"標準"_s, u" 表示 "_s, u"b"_s)},
                  false},
        ParseCase{"CommasInsideQuotes",
                  u"\"07:30\",1,\"標準\",\" 表示 \",\"起きて, 起きて, 朝だよ\"\r\n"_s,
                  {alarm(u"07:30"_s, u"1"_s, u"標準"_s, u" 表示 "_s, u"起きて, 起きて, 朝だよ"_s)},
                  false},
        // Cut off inside its last value: damage, not the older four-value form.
        ParseCase{"TruncatedLineIsNotTheOlderForm", u"\"07:30\",1,\"標準\",\" 表示"_s, {}, false},
        ParseCase{"TruncatedSecondLineIsNotTheOlderForm",
                  u"\"07:30\",1,\"標準\",\" 表示 \"\r\n\"08:00\",1,\"標準\",\"非"_s,
                  {alarm(u"07:30"_s, u"1"_s, u"標準"_s, u" 表示 "_s, u"08:00"_s)},
                  false},
        ParseCase{"DamagedFileKeepsWhatReads",
                  u"\"07:30\",1,\"標準\",\" 表示 \",\"a\"\r\n\"08:00\",1,\"標準\"\r\n"_s,
                  {alarm(u"07:30"_s, u"1"_s, u"標準"_s, u" 表示 "_s, u"a"_s)},
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
    EXPECT_EQ(parsed.table[11].time, u"11:00"_s);
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
    const AlarmTable table{alarm(u"07:30"_s, u"1"_s, u"標準"_s, u" 表示 "_s, u"時間になりました。"_s),
                           alarm(u"23:59"_s, u"0"_s, u"/home/u/ring.wav"_s, u"非表示"_s, wake)};
    EXPECT_EQ(
        alarm_file::format(table, false),
        u"\"07:30\",1,\"標準\",\" 表示 \",\"時間になりました。\"\r\n\"23:59\",0,\"/home/u/ring.wav\",\"非表示\",\"起きて\"\r\n"_s);
    EXPECT_EQ(
        alarm_file::format(table, true),
        u"\"07:30\",\"1\",\"標準\",\" 表示 \",\"時間になりました。\"\r\n\"23:59\",\"0\",\"/home/u/ring.wav\",\"非表示\",\"起きて\"\r\n"_s);
    EXPECT_EQ(alarm_file::format({}, false), QString());
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
        alarm(u"07:30"_s, u"1"_s, u"/snd/\"x\".wav"_s, u" 表示 "_s, u"一行目\r\n二行目\n\"三\""_s)};
    const alarm_file::Parsed parsed = alarm_file::parse(alarm_file::format(table, false));
    ASSERT_EQ(parsed.table.size(), 1u);
    EXPECT_EQ(parsed.table[0].sound, u"/snd/＂x＂.wav"_s);
    EXPECT_EQ(parsed.table[0].message, u"一行目 二行目 ＂三＂"_s);
    EXPECT_FALSE(parsed.upgraded);
}

TEST(AlarmFile, ReadsUtf8AndFallsBackToCp932)
{
    const QString text = u"\"07:30\",1,\"標準\",\" 表示 \",\"時間になりました。\"\r\n"_s;
    EXPECT_EQ(alarm_file::decode(text.toUtf8()), text);
    QStringEncoder cp932("windows-31j");
    ASSERT_TRUE(cp932.isValid());
    const QByteArray windowsBytes = cp932.encode(text);
    ASSERT_NE(windowsBytes, text.toUtf8());
    EXPECT_EQ(alarm_file::decode(windowsBytes), text);
}

class AlarmFileOnDisk : public ::testing::Test
{
protected:
    QString path() const { return folder.filePath(u"alm.zdt"_s); }

    TempProgramFolder folder;
    FakePlatform platform{folder.path()};
};

TEST_F(AlarmFileOnDisk, MissingFileGivesAnEmptyTableAndCreatesNothing)
{
    folder.remove(u"alm.zdt"_s);
    EXPECT_TRUE(alarm_file::load(path(), platform).empty());
    EXPECT_FALSE(QFile::exists(path()));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(AlarmFileOnDisk, CurrentFormEmptyOrDamagedFileIsNotRewritten)
{
    for (const QByteArray& bytes : {QByteArray("\"07:30\",1,\"標準\",\" 表示 \",\"a\"\r\n"), QByteArray(),
                                    QByteArray("\"07:30\",1,\"標準\",\" 表示")}) {
        folder.write(u"alm.zdt"_s, bytes);
        alarm_file::load(path(), platform);
        EXPECT_EQ(folder.read(u"alm.zdt"_s), bytes);
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(AlarmFileOnDisk, SpecialOrHugeFilesAreRefusedWithAMessage)
{
    folder.remove(u"alm.zdt"_s);
    ASSERT_EQ(mkfifo(QFile::encodeName(path()).constData(), 0600), 0); // would block until written
    EXPECT_TRUE(alarm_file::load(path(), platform).empty());
    folder.remove(u"alm.zdt"_s);
    ASSERT_TRUE(QFile::link(u"/dev/zero"_s, path())); // would read until memory runs out
    EXPECT_TRUE(alarm_file::load(path(), platform).empty());
    folder.remove(u"alm.zdt"_s);
    folder.write(u"alm.zdt"_s, QByteArray(2 << 20, '\n'));
    EXPECT_TRUE(alarm_file::load(path(), platform).empty());

    ASSERT_EQ(platform.messages.size(), 3u);
    EXPECT_TRUE(platform.messages[0].text.contains(u"通常のファイルではありません"_s));
    EXPECT_TRUE(platform.messages[1].text.contains(u"通常のファイルではありません"_s));
    EXPECT_TRUE(platform.messages[2].text.contains(u"大きすぎます"_s));
}

TEST_F(AlarmFileOnDisk, OlderFormIsRewrittenWithFiveQuotedValues)
{
    folder.write(u"alm.zdt"_s, "\"07:30\",1,\"標準\",\" 表示 \"\r\n");
    EXPECT_EQ(alarm_file::load(path(), platform).size(), 1u);
    EXPECT_EQ(QString::fromUtf8(folder.read(u"alm.zdt"_s)),
              u"\"07:30\",\"1\",\"標準\",\" 表示 \",\"時間になりました。\"\r\n"_s);
}

TEST_F(AlarmFileOnDisk, SaveWritesTheFileInUtf8)
{
    ASSERT_TRUE(
        alarm_file::save(path(), {alarm(u"06:45"_s, u"1"_s, u"標準"_s, u"非表示"_s, wake)}, platform));
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
        EXPECT_FALSE(
            alarm_file::save(path(), {alarm(u"06:45"_s, u"1"_s, u"標準"_s, u"非表示"_s, wake)}, platform));
    }
    EXPECT_EQ(folder.read(u"alm.zdt"_s), before);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].text.contains(u"alm.zdt"_s));
}
#endif

} // namespace
