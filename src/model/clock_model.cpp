#include "model/clock_model.h"

#include "core/atomic_file.h"
#include "storage/alarm_file.h"

#include <QDir>
#include <algorithm>
#include <cmath>

namespace {

constexpr double twipsPerPixel = 15.0;

} // namespace

ClockModel::ClockModel(QString settingsFolder)
    : settingsFolder_(std::move(settingsFolder)), files_(settingsFolder_)
{}

std::optional<SettingsLoadFailure> ClockModel::load()
{
    // A clock killed during a save can leave the save's temporary file behind; no other
    // clock writes in this folder, so every such file is a leftover.
    for (const char* file : {SettingsFiles::positionFile, SettingsFiles::setFile, SettingsFiles::set1File,
                             SettingsFiles::set2File, SettingsFiles::set3File, alarm_file::fileName}) {
        removeLeftoverTemporaries(files_.pathOf(file));
    }
    std::variant<ClockSettings, SettingsLoadFailure> loaded = files_.load();
    if (SettingsLoadFailure* failure = std::get_if<SettingsLoadFailure>(&loaded)) {
        return std::move(*failure);
    }
    settings_ = std::get<ClockSettings>(loaded);
    alarm_file::Load alarms = alarm_file::load(alarmFilePath());
    alarms_ = std::move(alarms.table);
    if (alarms.readFailure) {
        emit alarmsNotRead(*alarms.readFailure);
    }
    if (alarms.upgradeFailure) {
        emit alarmsNotSaved(*alarms.upgradeFailure);
    }
    if (alarms.unreadableTime) {
        emit alarmTimeNotRead(*alarms.unreadableTime);
    }
    updateBell();
    return std::nullopt;
}

QString ClockModel::alarmFilePath() const
{
    return QDir(settingsFolder_).filePath(QString::fromLatin1(alarm_file::fileName));
}

void ClockModel::saveGeneralSettings()
{
    report(files_.saveGeneralSettings(settings_));
}

void ClockModel::saveDesignSettings()
{
    report(files_.saveDesignSettings(settings_));
}

void ClockModel::report(const std::vector<FileFailure>& failures)
{
    if (failures.empty()) {
        lastSettingsFailure_.reset();
    }
    for (const FileFailure& failure : failures) {
        if (failure != lastSettingsFailure_) {
            lastSettingsFailure_ = failure;
            emit settingsNotSaved(failure);
        }
    }
}

void ClockModel::setAlwaysOnTop(Stacking stacking)
{
    settings_.alwaysOnTop = stacking;
    saveGeneralSettings();
    emit alwaysOnTopChanged();
}

void ClockModel::setTrayIcon(bool shown)
{
    settings_.trayIcon = shown;
    saveGeneralSettings();
    emit trayIconChanged();
}

void ClockModel::setSecondHand(bool shown)
{
    settings_.secondHand = shown;
    saveGeneralSettings();
    emit secondHandChanged();
}

void ClockModel::setColonStyle(ColonStyle style)
{
    settings_.colonStyle = style;
    saveDesignSettings();
    emit colonStyleChanged();
}

void ClockModel::setDesign(DesignIndex design)
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
    report(writePosition(topLeft));
}

std::vector<FileFailure> ClockModel::savePositionAtExit(QPoint topLeft)
{
    return writePosition(topLeft);
}

std::vector<FileFailure> ClockModel::writePosition(QPoint topLeft)
{
    settings_.positionX = topLeft.x() * twipsPerPixel;
    settings_.positionY = topLeft.y() * twipsPerPixel;
    return files_.savePosition(settings_.positionX, settings_.positionY);
}

bool ClockModel::saveAlarms(const AlarmTable& table)
{
    std::variant<AlarmTable, FileFailure> saved = alarm_file::save(alarmFilePath(), table);
    if (const FileFailure* failure = std::get_if<FileFailure>(&saved)) {
        emit alarmsNotSaved(*failure);
        return false;
    }
    alarms_ = std::move(std::get<AlarmTable>(saved));
    updateBell();
    emit alarmsChanged();
    return true;
}

void ClockModel::updateBell()
{
    bellShown_ =
        std::any_of(alarms_.begin(), alarms_.end(), [](const Alarm& alarm) { return alarm.enabled; });
}

void ClockModel::checkAlarms(const LocalTime& now)
{
    for (const Alarm* alarm : schedule_.check(alarms_, now)) {
        emit alarmRang(*alarm);
    }
}
