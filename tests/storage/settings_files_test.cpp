#include "storage/settings_files.h"
#include "support/fake_platform.h"
#include "support/file_size_limit.h"
#include "support/temp_program_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

TEST(SettingsRecords, AreWrittenByteExact)
{
    EXPECT_EQ(positionRecord(7680, 4500), "7680,4500\r\n");
    EXPECT_EQ(positionRecord(-15, 7680.5), "-15,7680.5\r\n");
    EXPECT_EQ(setRecord(3), "3\r\n");
    EXPECT_EQ(set1Record(1, 0), "1,0\r\n");
    EXPECT_EQ(set2Record(0, 5197647, 255), "0,5197647,255\r\n");
    EXPECT_EQ(set3Record(4, 16777215, 0), "4,16777215,0,0,0,0,0,0,0,0\r\n");
}

TEST(SettingsFiles, LoadsEveryValueOfTheFiveFiles)
{
    TempProgramFolder folder;
    folder.write(u"fomit.zdt"_s, "7680,-4500.5\r\n");
    folder.write(u"set.zdt"_s, "3\r\n");
    folder.write(u"set1.zdt"_s, " 0 , 1 \r\n");
    folder.write(u"set2.zdt"_s, "255\r\n65280\r\n16711680\r\n");
    folder.write(u"set3.zdt"_s, "2,255,1\r\n");
    FakePlatform platform(folder.path());

    const SettingsLoad load = SettingsFiles(folder.path(), platform).load();

    ASSERT_TRUE(load.settings) << load.error.toStdString();
    const ClockSettings& s = *load.settings;
    EXPECT_EQ(s.positionX, 7680);
    EXPECT_EQ(s.positionY, -4500.5);
    EXPECT_EQ(s.alwaysOnTop, 3);
    EXPECT_EQ(s.secondHand, 0);
    EXPECT_EQ(s.trayIcon, 1);
    EXPECT_EQ(s.hourHandColour, 255u);
    EXPECT_EQ(s.minuteHandColour, 65280u);
    EXPECT_EQ(s.secondHandColour, 16711680u);
    EXPECT_EQ(s.design, 2);
    EXPECT_EQ(s.readoutColour, 255u);
    EXPECT_EQ(s.colonStyle, 1);
    EXPECT_TRUE(platform.messages.empty());
}

TEST(SettingsFiles, RoundsFractionsOfWholeNumberFieldsToEven)
{
    TempProgramFolder folder;
    folder.write(u"set1.zdt"_s, "1.5,2.5\r\n");
    FakePlatform platform(folder.path());
    const SettingsLoad load = SettingsFiles(folder.path(), platform).load();
    ASSERT_TRUE(load.settings);
    EXPECT_EQ(load.settings->secondHand, 2);
    EXPECT_EQ(load.settings->trayIcon, 2);
}

struct BadFile
{
    enum Kind
    {
        Content,
        Missing,
        Fifo,       // would block the read until somebody writes
        LinkToZero, // would read until memory runs out
    };

    const char* name;
    const char* file;
    QByteArray content;
    Kind kind;
    const char* expected;

    friend void PrintTo(const BadFile& c, std::ostream* os) { *os << c.name; }
};

class SettingsFilesRefusal : public ::testing::TestWithParam<BadFile>
{};

TEST_P(SettingsFilesRefusal, NamesTheFileAndWhatIsWrong)
{
    const BadFile& c = GetParam();
    TempProgramFolder folder;
    const QString path = folder.filePath(QString::fromLatin1(c.file));
    if (c.kind == BadFile::Content) {
        folder.write(QString::fromLatin1(c.file), c.content);
    } else {
        folder.remove(QString::fromLatin1(c.file));
    }
    if (c.kind == BadFile::Fifo) {
        ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (c.kind == BadFile::LinkToZero) {
        ASSERT_TRUE(QFile::link(u"/dev/zero"_s, path));
    }
    FakePlatform platform(folder.path());
    const QByteArray before = folder.snapshot();

    const SettingsLoad load = SettingsFiles(folder.path(), platform).load();

    EXPECT_FALSE(load.settings);
    EXPECT_TRUE(load.error.contains(QString::fromLatin1(c.file))) << load.error.toStdString();
    EXPECT_TRUE(load.error.contains(QString::fromUtf8(c.expected))) << load.error.toStdString();
    EXPECT_LT(load.error.size(), 200); // a message box, not a screen of digits
    EXPECT_EQ(folder.snapshot(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsFilesRefusal,
    ::testing::Values(
        BadFile{"MissingPosition", "fomit.zdt", {}, BadFile::Missing, "ファイルがありません"},
        BadFile{"MissingSet3", "set3.zdt", {}, BadFile::Missing, "ファイルがありません"},
        BadFile{"EmptySet", "set.zdt", "", BadFile::Content, "1 個必要ですが、0 個"},
        BadFile{"ShortPosition", "fomit.zdt", "7680\r\n", BadFile::Content, "2 個必要ですが、1 個"},
        BadFile{"ShortSet2", "set2.zdt", "0,0\r\n", BadFile::Content, "3 個必要ですが、2 個"},
        BadFile{"Garbage", "set1.zdt", "1,yes\r\n", BadFile::Content,
                "2 番目の値「yes」が数値ではありません"},
        BadFile{"QuotedNumber", "set.zdt", "\"1\"\r\n", BadFile::Content, "数値ではありません"},
        BadFile{"FlagTooLarge", "set.zdt", "40000\r\n", BadFile::Content, "範囲（-32768～32767）"},
        BadFile{"NegativeColour", "set2.zdt", "0,-1,0\r\n", BadFile::Content,
                "2 番目の値 -1 が範囲（0～16777215）"},
        BadFile{"ColourTooLarge", "set3.zdt", "0,16777216,0\r\n", BadFile::Content, "範囲（0～16777215）"},
        BadFile{"LongValueIsShortened", "set.zdt", QByteArray(100000, '0') + "40000", BadFile::Content,
                "値 0000000000000000000000000000000000000000… が範囲"},
        BadFile{"LongTextIsShortened", "set.zdt", QByteArray(100000, 'x'), BadFile::Content,
                "「xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx…」"},
        BadFile{"TooLarge", "set2.zdt", "0,0,0" + QByteArray(2 << 20, ' '), BadFile::Content, "大きすぎます"},
        BadFile{"Fifo", "set1.zdt", {}, BadFile::Fifo, "通常のファイルではありません"},
        BadFile{"LinkToDevZero", "set3.zdt", {}, BadFile::LinkToZero, "通常のファイルではありません"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsFiles, SaveWritesAllValuesOfTheGroupByteExact)
{
    TempProgramFolder folder;
    FakePlatform platform(folder.path());
    SettingsFiles files(folder.path(), platform);

    ClockSettings settings;
    settings.alwaysOnTop = 3;
    settings.secondHand = 1;
    settings.trayIcon = 0;
    settings.hourHandColour = 255;
    settings.minuteHandColour = 65280;
    settings.secondHandColour = 16711680;
    settings.design = 2;
    settings.readoutColour = 255;
    settings.colonStyle = 1;
    EXPECT_TRUE(files.savePosition(7680, -300));
    EXPECT_TRUE(files.saveGeneralSettings(settings));
    EXPECT_TRUE(files.saveDesignSettings(settings));

    EXPECT_EQ(folder.read(u"fomit.zdt"_s), "7680,-300\r\n");
    EXPECT_EQ(folder.read(u"set.zdt"_s), "3\r\n");
    EXPECT_EQ(folder.read(u"set1.zdt"_s), "1,0\r\n");
    EXPECT_EQ(folder.read(u"set2.zdt"_s), "255,65280,16711680\r\n");
    EXPECT_EQ(folder.read(u"set3.zdt"_s), "2,255,1,0,0,0,0,0,0,0\r\n");
    EXPECT_TRUE(platform.messages.empty());
}

#ifdef Q_OS_LINUX
TEST(SettingsFiles, FailedWriteKeepsTheOldFileAndSaysWhy)
{
    TempProgramFolder folder;
    FakePlatform platform(folder.path());
    SettingsFiles files(folder.path(), platform);
    {
        const FileSizeLimit limit(4);
        EXPECT_FALSE(files.savePosition(7680, 4500));
        EXPECT_FALSE(files.savePosition(7680, 4500)); // the same failure is not reported twice
    }
    EXPECT_EQ(folder.read(u"fomit.zdt"_s), "1500,1500\r\n");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].text.contains(u"設定ファイルを保存できませんでした。"_s));
    EXPECT_TRUE(platform.messages[0].text.contains(u"fomit.zdt"_s));

    // Once writing works again the file is written, and a later failure is reported again.
    EXPECT_TRUE(files.savePosition(7680, 4500));
    EXPECT_EQ(folder.read(u"fomit.zdt"_s), "7680,4500\r\n");
    {
        const FileSizeLimit limit(4);
        EXPECT_FALSE(files.savePosition(15, 15));
    }
    EXPECT_EQ(platform.messages.size(), 2u);
}
#endif

} // namespace
