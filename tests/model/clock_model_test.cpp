#include "model/clock_model.h"
#include "support/fake_platform.h"
#include "support/temp_program_folder.h"

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
    int ClockSettings::*field;
    int value;
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
    FakePlatform platform(folder.path());
    ClockModel model(platform);
    ASSERT_FALSE(model.load());
    QSignalSpy spy(&model, s.signal);

    for (int time = 1; time <= 2; ++time) {
        folder.write(QString::fromLatin1(s.file), "x\r\n");
        s.set(model);
        EXPECT_EQ(model.settings().*s.field, s.value);
        EXPECT_EQ(folder.read(QString::fromLatin1(s.file)), s.bytes) << time;
        EXPECT_EQ(spy.count(), time);
    }
    EXPECT_TRUE(platform.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ModelSetter,
    ::testing::Values(
        Setter{"AlwaysOnTop", [](ClockModel& m) { m.setAlwaysOnTop(1); }, &ClockModel::alwaysOnTopChanged,
               &ClockSettings::alwaysOnTop, 1, "set.zdt", "1\r\n"},
        Setter{"TrayIcon", [](ClockModel& m) { m.setTrayIcon(0); }, &ClockModel::trayIconChanged,
               &ClockSettings::trayIcon, 0, "set1.zdt", "2,0\r\n"},
        Setter{"SecondHand", [](ClockModel& m) { m.setSecondHand(1); }, &ClockModel::secondHandChanged,
               &ClockSettings::secondHand, 1, "set1.zdt", "1,2\r\n"},
        // The design settings carry the read-out colour as held: a stored 0 is white.
        Setter{"ColonStyle", [](ClockModel& m) { m.setColonStyle(0); }, &ClockModel::colonStyleChanged,
               &ClockSettings::colonStyle, 0, "set3.zdt", "5,16777215,0,0,0,0,0,0,0,0\r\n"},
        Setter{"Design", [](ClockModel& m) { m.setDesign(6); }, &ClockModel::designChanged,
               &ClockSettings::design, 6, "set3.zdt", "6,16777215,2,0,0,0,0,0,0,0\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ClockModel, SavedAlarmsComeBackFromTheFileWithTheBell)
{
    TempProgramFolder folder;
    folder.write(u"alm.zdt"_s, "");
    FakePlatform platform(folder.path());
    ClockModel model(platform);
    ASSERT_FALSE(model.load());
    ASSERT_EQ(model.bellShown(), 0);
    QSignalSpy changed(&model, &ClockModel::alarmsChanged);

    // A quote cannot stand in the file; the table holds what the file holds.
    const AlarmTable table = {{u"07:30"_s, u"1"_s, u"標準"_s, u" 表示 "_s, u"say \"hi\""_s}};
    ASSERT_TRUE(model.saveAlarms(table));

    ASSERT_EQ(model.alarms().size(), 1u);
    EXPECT_EQ(model.alarms()[0].message, u"say ＂hi＂"_s);
    EXPECT_EQ(model.bellShown(), 1);
    EXPECT_EQ(changed.count(), 1);
}

TEST(ClockModel, LoadRemovesTheTemporariesOfInterruptedSavesOnly)
{
    TempProgramFolder folder;
    const QStringList leftovers = {u"fomit.zdt.Ab12Cd"_s, u"set3.zdt.zzzzzz"_s, u"alm.zdt.X1y2Z3"_s};
    const QStringList others = {u"fomit.zdt.bak"_s, u"alm.zdt.1234567"_s, u"notes.zdt.Ab12Cd"_s};
    for (const QString& name : leftovers + others) {
        folder.write(name, "7680,");
    }
    FakePlatform platform(folder.path());
    ClockModel model(platform);
    ASSERT_FALSE(model.load());
    for (const QString& name : leftovers) {
        EXPECT_FALSE(QFile::exists(folder.filePath(name))) << name.toStdString();
    }
    for (const QString& name : others) {
        EXPECT_TRUE(QFile::exists(folder.filePath(name))) << name.toStdString();
    }
}

} // namespace
