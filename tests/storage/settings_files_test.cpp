#include "storage/settings_files.h"
#include "support/file_size_limit.h"
#include "support/temp_program_folder.h"

#include <gtest/gtest.h>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

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

// Every value of the five files, read from files as a hand may write them and written back
// as the program writes them.
TEST(SettingsFiles, LoadsAndSavesEveryValueOfTheFiveFiles)
{
    TempProgramFolder folder;
    folder.write(u"fomit.zdt"_s, "7680,-4500.5\r\n");
    folder.write(u"set.zdt"_s, "1\r\n");
    folder.write(u"set1.zdt"_s, " 0 , 1 \r\n");
    folder.write(u"set2.zdt"_s, "255\r\n65280\r\n16711680\r\n");
    folder.write(u"set3.zdt"_s, "2,255,1\r\n");
    SettingsFiles files(folder.path());

    const auto load = files.load();

    ASSERT_TRUE(std::holds_alternative<ClockSettings>(load));
    const ClockSettings expected{
        .positionX = 7680,
        .positionY = -4500.5,
        .alwaysOnTop = Stacking::InFront,
        .secondHand = false,
        .trayIcon = true,
        .hourHandColour = 255,
        .minuteHandColour = 65280,
        .secondHandColour = 16711680,
        .design = DesignIndex{2},
        .readoutColour = 255,
        .colonStyle = ColonStyle::Steady,
    };
    EXPECT_EQ(std::get<ClockSettings>(load), expected);

    EXPECT_TRUE(files.savePosition(7680, -300).empty());
    EXPECT_TRUE(files.saveGeneralSettings(expected).empty());
    EXPECT_TRUE(files.saveDesignSettings(expected).empty());
    EXPECT_EQ(folder.read(u"fomit.zdt"_s), "7680,-300\r\n");
    EXPECT_EQ(folder.read(u"set.zdt"_s), "1\r\n");
    EXPECT_EQ(folder.read(u"set1.zdt"_s), "0,1\r\n");
    EXPECT_EQ(folder.read(u"set2.zdt"_s), "255,65280,16711680\r\n");
    EXPECT_EQ(folder.read(u"set3.zdt"_s), "2,255,1,0,0,0,0,0,0,0\r\n");
}

// A number that is none of a setting's own (a hand-edited file; fractions round to even)
// means what the clock makes of it, and is written back as read until the setting is set.
TEST(SettingsFiles, OddNumbersAreWrittenBackAsReadUntilTheSettingIsSet)
{
    TempProgramFolder folder;
    folder.write(u"set.zdt"_s, "3\r\n");
    folder.write(u"set1.zdt"_s, "1.5,2.5\r\n");
    folder.write(u"set3.zdt"_s, "2,255,-7\r\n");
    SettingsFiles files(folder.path());
    auto load = files.load();
    ASSERT_TRUE(std::holds_alternative<ClockSettings>(load));
    ClockSettings settings = std::get<ClockSettings>(load);
    EXPECT_EQ(settings.alwaysOnTop, Stacking::Untouched);
    EXPECT_FALSE(settings.secondHand);
    EXPECT_FALSE(settings.trayIcon);
    EXPECT_EQ(settings.design, DesignIndex{2});
    EXPECT_EQ(settings.colonStyle, ColonStyle::Hidden);

    EXPECT_TRUE(files.saveGeneralSettings(settings).empty());
    EXPECT_TRUE(files.saveDesignSettings(settings).empty());
    EXPECT_EQ(folder.read(u"set.zdt"_s), "3\r\n");
    EXPECT_EQ(folder.read(u"set1.zdt"_s), "2,2\r\n");
    EXPECT_EQ(folder.read(u"set3.zdt"_s), "2,255,-7,0,0,0,0,0,0,0\r\n");

    // Set, even to what it already meant, a setting is written as the program spells it.
    settings.alwaysOnTop = Stacking::InFront;
    settings.secondHand = false;
    settings.colonStyle = ColonStyle::Blinking;
    EXPECT_TRUE(files.saveGeneralSettings(settings).empty());
    EXPECT_TRUE(files.saveDesignSettings(settings).empty());
    EXPECT_EQ(folder.read(u"set.zdt"_s), "1\r\n");
    EXPECT_EQ(folder.read(u"set1.zdt"_s), "0,2\r\n");
    EXPECT_EQ(folder.read(u"set3.zdt"_s), "2,255,0,0,0,0,0,0,0,0\r\n");
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
    SettingsLoadFailure expected; // its path aside; `value` is compared by its start
    qsizetype valueSize = -1;     // the whole value, when `value` is only its start

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
#ifdef Q_OS_UNIX
    if (c.kind == BadFile::Fifo) {
        ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (c.kind == BadFile::LinkToZero) {
        ASSERT_TRUE(QFile::link(u"/dev/zero"_s, path));
    }
#else
    if (c.kind == BadFile::Fifo || c.kind == BadFile::LinkToZero) {
        GTEST_SKIP() << "no FIFO or /dev/zero on this system";
    }
#endif
    const QByteArray before = folder.snapshot();

    const auto load = SettingsFiles(folder.path()).load();

    ASSERT_TRUE(std::holds_alternative<SettingsLoadFailure>(load));
    const SettingsLoadFailure& failure = std::get<SettingsLoadFailure>(load);
    const SettingsLoadFailure& e = c.expected;
    EXPECT_EQ(failure.file.path, path);
    EXPECT_EQ(failure.problem, e.problem);
    EXPECT_EQ(failure.file.cause, e.file.cause);
    EXPECT_EQ(std::tuple(failure.valuesNeeded, failure.valuesFound, failure.valueNumber),
              std::tuple(e.valuesNeeded, e.valuesFound, e.valueNumber));
    EXPECT_TRUE(failure.value.startsWith(e.value)) << failure.value.left(50).toStdString();
    EXPECT_EQ(failure.value.size(), c.valueSize < 0 ? e.value.size() : c.valueSize);
    EXPECT_EQ(std::pair(failure.low, failure.high), std::pair(e.low, e.high));
    EXPECT_EQ(folder.snapshot(), before);
}

using Problem = SettingsLoadFailure::Problem;
using Cause = FileFailure::Cause;

SettingsLoadFailure unreadable(Cause cause)
{
    return {.file = {{}, cause}, .problem = Problem::Unreadable};
}

SettingsLoadFailure tooFew(int needed, int found)
{
    return {.problem = Problem::TooFewValues, .valuesNeeded = needed, .valuesFound = found};
}

SettingsLoadFailure notANumber(int number, const QString& value)
{
    return {.problem = Problem::NotANumber, .valueNumber = number, .value = value};
}

SettingsLoadFailure outOfRange(int number, const QString& value, double low, double high)
{
    return {.problem = Problem::OutOfRange, .valueNumber = number, .value = value, .low = low, .high = high};
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsFilesRefusal,
    ::testing::Values(
        BadFile{"MissingPosition", "fomit.zdt", {}, BadFile::Missing, unreadable(Cause::Missing)},
        BadFile{"MissingSet3", "set3.zdt", {}, BadFile::Missing, unreadable(Cause::Missing)},
        BadFile{"EmptySet", "set.zdt", "", BadFile::Content, tooFew(1, 0)},
        BadFile{"ShortPosition", "fomit.zdt", "7680\r\n", BadFile::Content, tooFew(2, 1)},
        BadFile{"ShortSet2", "set2.zdt", "0,0\r\n", BadFile::Content, tooFew(3, 2)},
        BadFile{"Garbage", "set1.zdt", "1,yes\r\n", BadFile::Content, notANumber(2, u"yes"_s)},
        BadFile{"QuotedNumber", "set.zdt", "\"1\"\r\n", BadFile::Content, notANumber(1, u"1"_s)},
        BadFile{"FlagTooLarge", "set.zdt", "40000\r\n", BadFile::Content,
                outOfRange(1, u"40000"_s, -32768, 32767)},
        BadFile{"NegativeColour", "set2.zdt", "0,-1,0\r\n", BadFile::Content,
                outOfRange(2, u"-1"_s, 0, 16777215)},
        BadFile{"ColourTooLarge", "set3.zdt", "0,16777216,0\r\n", BadFile::Content,
                outOfRange(2, u"16777216"_s, 0, 16777215)},
        // A design number outside the design table is refused like any number outside its range.
        BadFile{"DesignAfterTheLast", "set3.zdt", "7,0,1\r\n", BadFile::Content, outOfRange(1, u"7"_s, 0, 6)},
        BadFile{"NegativeDesign", "set3.zdt", "-1,0,1\r\n", BadFile::Content, outOfRange(1, u"-1"_s, 0, 6)},
        BadFile{"LongValue", "set.zdt", QByteArray(100000, '0') + "40000", BadFile::Content,
                outOfRange(1, u"0000"_s, -32768, 32767), 100005},
        BadFile{"TooLarge", "set2.zdt", "0,0,0" + QByteArray(2 << 20, ' '), BadFile::Content,
                unreadable(Cause::TooLarge)},
        BadFile{"Fifo", "set1.zdt", {}, BadFile::Fifo, unreadable(Cause::NotRegularFile)},
        BadFile{"LinkToDevZero", "set3.zdt", {}, BadFile::LinkToZero, unreadable(Cause::NotRegularFile)}),
    [](const auto& info) { return std::string(info.param.name); });

#ifdef Q_OS_LINUX
TEST(SettingsFiles, FailedWriteKeepsTheOldFileAndSaysWhy)
{
    TempProgramFolder folder;
    SettingsFiles files(folder.path());
    {
        const FileSizeLimit limit(4);
        const std::vector<FileFailure> failures = files.savePosition(7680, 4500);
        ASSERT_EQ(failures.size(), 1u);
        EXPECT_EQ(failures[0].path, folder.filePath(u"fomit.zdt"_s));
        EXPECT_EQ(failures[0].cause, FileFailure::Cause::CannotWrite);
    }
    EXPECT_EQ(folder.read(u"fomit.zdt"_s), "1500,1500\r\n");
}
#endif

} // namespace
