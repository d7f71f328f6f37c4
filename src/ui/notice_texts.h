#pragma once

#include "core/file_failure.h"
#include "core/wave_file.h"
#include "model/clock_model.h"
#include "platform/desktop_shell.h"
#include "platform/settings_location.h"
#include "storage/alarm.h"
#include "storage/alarm_file.h"
#include "storage/settings_files.h"

#include <QString>

// The words of the notices the program shows: what went wrong with a file, and the
// message of a ringing alarm.
namespace notice_text {

QString settingsNotLoaded(const SettingsLoadFailure& failure);
QString settingsNotPrepared(const settings_location::PreparationFailure& failure);
QString settingsNotSaved(const FileFailure& failure);
QString alarmsNotRead(const FileFailure& failure);
QString alarmTimeNotRead(const alarm_file::UnreadableTime& unreadable);
QString alarmsNotSaved(const FileFailure& failure);
QString optionsNotRead(const FileFailure& failure);

// The outcome of the settings window's start-up buttons: Windows speaks of the shortcut
// in its Startup folder, other desktops of their start-up at log-in.
QString startupRegistered(bool done, DesktopFamily family);
QString startupUnregistered(bool done, DesktopFamily family);

// Said as clicks begin to pass through the clock: how to have them back.
QString clickThroughBegun();

// Why the chosen file cannot be an alarm's sound, with the file.
QString waveRefused(const QString& path, WaveProblem problem);

// The alarm that rings next, as the tray icon's tip and the clock's hover tip and
// description give it: "次のアラーム 7:30 起きて", with its day when that is not today
// ("次のアラーム 月 7:30"); nothing when none is on.
QString nextAlarm(const std::optional<ClockModel::NextAlarm>& next);

// The alarm's message, then its set time: "…\r\n\r\n設定時刻  07：30".
QString alarmRang(const Alarm& alarm);

// The alarms that did not ring, under the heading "鳴らなかったアラーム": one line each,
// its time as the list shows it and its message ("7:30　起きて"), with its day of the week
// first when that was not today ("木 7:30"); past missedLinesShown, how many more.
constexpr int missedLinesShown = 8;
QString alarmsMissed(const std::vector<ClockModel::MissedAlarm>& missed);

} // namespace notice_text
