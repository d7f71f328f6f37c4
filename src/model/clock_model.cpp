#include "model/clock_model.h"

#include "core/atomic_file.h"
#include "platform/platform.h"
#include "storage/alarm_file.h"

#include <QDir>
#include <algorithm>
#include <cmath>

namespace {

constexpr double twipsPerPixel = 15.0;
constexpr ColourRef white = 0xFFFFFF;

} // namespace

ClockModel::ClockModel(Platform& platform) : platform_(platform), files_(platform.settingsFolder(), platform)
{}

std::optional<QString> ClockModel::load()
{
    // A clock killed during a save can leave the save's temporary file behind; no other
    // clock writes in this folder, so every such file is a leftover.
    for (const char* file : {SettingsFiles::positionFile, SettingsFiles::setFile, SettingsFiles::set1File,
                             SettingsFiles::set2File, SettingsFiles::set3File, alarm_file::fileName}) {
        removeLeftoverTemporaries(files_.pathOf(file));
    }
    const SettingsLoad loaded = files_.load();
    if (!loaded.settings) {
        return loaded.error;
    }
    settings_ = *loaded.settings;
    // A stored 0 always means white: black cannot be the read-out colour.
    if (settings_.readoutColour == 0) {
        settings_.readoutColour = white;
    }
    alarms_ = alarm_file::load(alarmFilePath(), platform_);
    updateBell();
    return std::nullopt;
}

QString ClockModel::alarmFilePath() const
{
    return QDir(platform_.settingsFolder()).filePath(QString::fromLatin1(alarm_file::fileName));
}

void ClockModel::saveGeneralSettings()
{
    files_.saveGeneralSettings(settings_);
}

void ClockModel::saveDesignSettings()
{
    files_.saveDesignSettings(settings_);
}

void ClockModel::setAlwaysOnTop(int value)
{
    settings_.alwaysOnTop = value;
    saveGeneralSettings();
    emit alwaysOnTopChanged();
}

void ClockModel::setTrayIcon(int value)
{
    settings_.trayIcon = value;
    saveGeneralSettings();
    emit trayIconChanged();
}

void ClockModel::setSecondHand(int value)
{
    settings_.secondHand = value;
    saveGeneralSettings();
    emit secondHandChanged();
}

void ClockModel::setColonStyle(int value)
{
    settings_.colonStyle = value;
    saveDesignSettings();
    emit colonStyleChanged();
}

void ClockModel::setDesign(int design)
{
    settings_.design = design;
    saveDesignSettings();
    emit designChanged();
}

void ClockModel::setHandColours(ColourRef hour, ColourRef minute, ColourRef second)
{
    settings_.hourHandColour = hour;
    settings_.minuteHandColour = minute;
    settings_.secondHandColour = second;
    saveGeneralSettings();
    emit handColoursChanged();
}

void ClockModel::setReadoutColour(ColourRef colour)
{
    settings_.readoutColour = colour;
    saveDesignSettings();
    emit readoutColourChanged();
}

QPoint ClockModel::position() const
{
    // Wild stored values are clamped so they stay screen coordinates.
    const auto pixels = [](double twips) {
        return int(std::lround(std::clamp(twips / twipsPerPixel, -1.0e7, 1.0e7)));
    };
    return QPoint(pixels(settings_.positionX), pixels(settings_.positionY));
}

void ClockModel::savePosition(QPoint topLeft)
{
    writePosition(topLeft, SettingsFiles::FailureReport::MessageBox);
}

void ClockModel::savePositionAtExit(QPoint topLeft)
{
    writePosition(topLeft, SettingsFiles::FailureReport::StandardError);
}

void ClockModel::writePosition(QPoint topLeft, SettingsFiles::FailureReport report)
{
    settings_.positionX = topLeft.x() * twipsPerPixel;
    settings_.positionY = topLeft.y() * twipsPerPixel;
    files_.savePosition(settings_.positionX, settings_.positionY, report);
}

bool ClockModel::saveAlarms(const AlarmTable& table)
{
    std::optional<AlarmTable> saved = alarm_file::save(alarmFilePath(), table, platform_);
    if (!saved) {
        return false;
    }
    alarms_ = std::move(*saved);
    updateBell();
    emit alarmsChanged();
    return true;
}

void ClockModel::updateBell()
{
    const bool anyEnabled = std::any_of(alarms_.begin(), alarms_.end(), [](const AlarmRecord& alarm) {
        return alarm.enabled == alarm_text::enabledOn;
    });
    bellShown_ = anyEnabled ? 1 : 0;
}

void ClockModel::checkAlarms(const LocalTime& now)
{
    for (const AlarmSchedule::Due& due : schedule_.check(alarms_, now)) {
        ring(due);
    }
}

void ClockModel::ring(const AlarmSchedule::Due& due)
{
    const AlarmRecord& alarm = *due.record;
    if (!alarm.sound.isEmpty() && alarm.sound != alarm_text::standardSound) {
        lastAlarmPlayedWave_ = 1;
        // A wave file that cannot be played gives the standard sound in its place; the
        // message window then does not beep a second time.
        if (!platform_.playWave(alarm.sound)) {
            platform_.beep();
        }
    } else {
        lastAlarmPlayedWave_ = 0;
    }
    if (alarm.display == alarm_text::displayOn) {
        emit alarmRang(alarm.message + QStringLiteral("\r\n\r\n設定時刻  ") + due.hour.toString() + u'：' +
                       due.minute.toString());
    }
}
