#include "ui/notice_texts.h"

#include <QDir>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using Cause = FileFailure::Cause;
using Problem = SettingsLoadFailure::Problem;
using Step = settings_location::PreparationFailure::Step;

FileFailure fileFailure(const QString& path, Cause cause = Cause::CannotWrite)
{
    return FileFailure{path, cause};
}

SettingsLoadFailure loadFailure(Problem problem, const QString& value = {})
{
    return SettingsLoadFailure{.file = fileFailure(u"/p/set.zdt"_s),
                               .problem = problem,
                               .valuesNeeded = 2,
                               .valuesFound = 1,
                               .valueNumber = 2,
                               .value = value,
                               .low = -32768,
                               .high = 32767};
}

TEST(NoticeText, SaysWhatWentWrongWithWhichFile)
{
    struct Case
    {
        const char* name;
        std::function<QString()> text;
        QString expected;
    };
    const QString cannotStart = u"設定ファイルを読み込めないため、起動できません。\n/p/set.zdt\n"_s;
    const Case cases[] = {
        {"Missing",
         [] {
             return notice_text::settingsNotLoaded({.file = fileFailure(u"/p/set.zdt"_s, Cause::Missing)});
         },
         cannotStart + u"ファイルがありません。"_s},
        {"NotRegularFile",
         [] {
             return notice_text::settingsNotLoaded(
                 {.file = fileFailure(u"/p/set.zdt"_s, Cause::NotRegularFile)});
         },
         cannotStart + u"通常のファイルではありません。"_s},
        {"TooLarge",
         [] {
             return notice_text::settingsNotLoaded({.file = fileFailure(u"/p/set.zdt"_s, Cause::TooLarge)});
         },
         cannotStart + u"ファイルが大きすぎます（上限 1048576 バイト）。"_s},
        // What the system said, in our words.
        {"NoPermission",
         [] {
             return notice_text::settingsNotLoaded(
                 {.file = fileFailure(u"/p/set.zdt"_s, Cause::NoPermission)});
         },
         cannotStart + u"アクセスする権限がありません。"_s},
        {"CannotRead",
         [] {
             return notice_text::settingsNotLoaded({.file = fileFailure(u"/p/set.zdt"_s, Cause::CannotRead)});
         },
         cannotStart + u"読み込み中にエラーが起きました。"_s},
        {"TooFewValues", [] { return notice_text::settingsNotLoaded(loadFailure(Problem::TooFewValues)); },
         cannotStart + u"値が 2 個必要ですが、1 個しかありません。"_s},
        {"NotANumber",
         [] { return notice_text::settingsNotLoaded(loadFailure(Problem::NotANumber, u"yes"_s)); },
         cannotStart + u"2 番目の値「yes」が数値ではありません。"_s},
        // A whole file of one value would make a box taller than the screen.
        {"LongValueIsShortened",
         [] {
             return notice_text::settingsNotLoaded(loadFailure(Problem::NotANumber, QString(100000, u'x')));
         },
         cannotStart + u"2 番目の値「"_s + QString(40, u'x') + u"…」が数値ではありません。"_s},
        {"OutOfRange",
         [] { return notice_text::settingsNotLoaded(loadFailure(Problem::OutOfRange, u"40000"_s)); },
         cannotStart + u"2 番目の値 40000 が範囲（-32768～32767）の外にあります。"_s},
        {"FolderNotMade",
         [] {
             return notice_text::settingsNotPrepared({Step::MakeFolder, fileFailure(u"/p/conf"_s)});
         },
         u"設定フォルダーを作れないため、起動できません。\n/p/conf\n書き込み中にエラーが起きました。"_s},
        {"FileNotCopied",
         [] {
             return notice_text::settingsNotPrepared(
                 {Step::CopyFile, fileFailure(u"/p/conf/set.zdt"_s, Cause::DiskFull)});
         },
         u"設定ファイルを用意できないため、起動できません。\n/p/conf/set.zdt\nディスクの空き容量が足りません。"_s},
        {"SettingsNotSaved",
         [] { return notice_text::settingsNotSaved(fileFailure(u"/p/fomit.zdt"_s, Cause::ReadOnlyDisk)); },
         u"設定ファイルを保存できませんでした。\n/p/fomit.zdt\n読み取り専用のディスクにあります。"_s},
        {"AlarmsNotRead",
         [] { return notice_text::alarmsNotRead(fileFailure(u"/p/alm.zdt"_s, Cause::NotRegularFile)); },
         u"アラームの設定を読み込めませんでした。\n/p/alm.zdt\n通常のファイルではありません。"_s},
        {"AlarmsNotSaved",
         [] { return notice_text::alarmsNotSaved(fileFailure(u"/p/alm.zdt"_s, Cause::CannotWrite)); },
         u"アラームの設定を保存できませんでした。\n/p/alm.zdt\n書き込み中にエラーが起きました。"_s},
        {"AlarmRang", [] { return notice_text::alarmRang(Alarm{.at = QTime(7, 5), .message = u"起きて"_s}); },
         u"起きて\r\n\r\n設定時刻  07：05"_s},
    };
    for (const Case& c : cases) {
        // Paths are spelt the system's way (the texts have no other slash).
        EXPECT_EQ(c.text(), QDir::toNativeSeparators(c.expected)) << c.name;
    }
}

// One line an alarm, with its day when that was not today, and no more lines than a
// glance takes in after a long sleep.
TEST(NoticeText, ListsTheAlarmsMissed)
{
    const auto missed = [](QTime at, bool today, const QString& message = {}) {
        return ClockModel::MissedAlarm{
            .alarm = Alarm{.at = at, .message = message}, .day = QDate(2024, 5, 16), .today = today};
    };
    std::vector<ClockModel::MissedAlarm> many;
    QString manyShown = u"鳴らなかったアラーム"_s;
    for (int minute = 0; minute < notice_text::missedLinesShown + 3; ++minute) {
        many.push_back(missed(QTime(7, minute), true));
        if (minute < notice_text::missedLinesShown) {
            manyShown += u"\r\n7:%1"_s.arg(minute, 2, 10, QChar(u'0'));
        }
    }
    struct Case
    {
        const char* name;
        std::vector<ClockModel::MissedAlarm> missed;
        QString expected;
    };
    const Case cases[] = {
        {"OnAnotherDay",
         {missed(QTime(23, 50), false, u"寝る"_s), missed(QTime(6, 0), true)},
         u"鳴らなかったアラーム\r\n木 23:50　寝る\r\n6:00"_s},
        {"Many", many, manyShown + u"\r\nほか 3 件"_s},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(notice_text::alarmsMissed(c.missed), c.expected) << c.name;
    }
}

} // namespace
