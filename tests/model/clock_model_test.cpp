#include "model/clock_model.h"
#include "support/file_size_limit.h"
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

TEST(ClockModel, LoadRemovesTheTemporariesOfInterruptedSavesOnly)
{
    TempProgramFolder folder;
    const QStringList leftovers = {u"fomit.zdt.Ab12Cd"_s, u"set3.zdt.zzzzzz"_s, u"alm.zdt.X1y2Z3"_s};
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
