#include "model/clock_model.h"

#include "storage/alarm_file.h"
#include "storage/alarm_options.h"

#include <QSettings>
#include <algorithm>

ClockModel::ClockModel(QString settingsFolder)
    : files_(std::move(settingsFolder)), options_(files_.pathOf(OptionsFile::fileName))
{}

std::optional<SettingsLoadFailure> ClockModel::load()
{
    files_.removeLeftoverTemporaries();
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
    if (const std::optional<FileFailure> failure = options_.read([this](QSettings& options) {
            alarm_options::read(options, alarms_);
            snooze_ = snooze_options::read(options, alarms_);
            chime_ = chime_options::read(options);
            gadget_ = gadget_options::read(options);
        })) {
        emit optionsNotRead(*failure);
    }
    updateBell();
    return std::nullopt;
}

QString ClockModel::alarmFilePath() const
{
    return files_.pathOf(alarm_file::fileName);
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

void ClockModel::saveGadgetOptions()
{
    reportOptions(options_.rewrite(gadget_options::section,
                                   [this](QSettings& options) { gadget_options::write(options, gadget_); }));
}

void ClockModel::setClockSize(ClockSize size)
{
    gadget_.size = size;
    saveGadgetOptions();
    emit clockSizeChanged();
}

void ClockModel::setHomeScreen(QRect screen)
{
    gadget_.screen = screen;
    saveGadgetOptions();
    emit homeScreenChanged();
}

void ClockModel::setOpacity(ClockOpacity opacity)
{
    gadget_.opacity = opacity;
    saveGadgetOptions();
    emit seeThroughChanged();
}

void ClockModel::setOpaqueUnderPointer(bool opaque)
{
    gadget_.opaqueUnderPointer = opaque;
    saveGadgetOptions();
    emit seeThroughChanged();
}

void ClockModel::setClickThrough(bool through)
{
    gadget_.clickThrough = through;
    saveGadgetOptions();
    emit clickThroughChanged();
}

QPoint ClockModel::position() const
{
    return positionInPixels(settings_);
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
    setPositionInPixels(settings_, topLeft);
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
    // The file read back holds the same alarms in the same order, without their options.
    for (std::size_t i = 0; i < alarms_.size() && i < table.size(); ++i) {
        alarms_[i].days = table[i].days;
    }
    const std::optional<FileFailure> failure = options_.rewrite(
        alarm_options::section, [this](QSettings& options) { alarm_options::write(options, alarms_); });
    reportOptions(failure);
    const std::size_t snoozed = snooze_.snoozed.size();
    dropUnmatchedSnoozes();
    if (snooze_.snoozed.size() != snoozed) {
        saveSnooze();
        emit snoozeChanged();
    }
    updateBell();
    emit alarmsChanged();
    updateNextAlarm(true);
    return true;
}

void ClockModel::updateBell()
{
    bellShown_ =
        std::any_of(alarms_.begin(), alarms_.end(), [](const Alarm& alarm) { return alarm.enabled; });
}

void ClockModel::checkAlarms(const LocalTime& now)
{
    const bool newMinute = !lastTick_ || now.minuteKey() != lastTick_->minuteKey();
    // Not at the first tick: a clock started at 8:00:30 did not see the hour come.
    const bool newHour = lastTick_ && newMinute && now.minute == 0;
    lastTick_ = now;
    const std::vector<const Alarm*> due = schedule_.check(alarms_, now);
    if (!schedule_.missed().empty()) {
        tellMissed(now);
    }
    for (const Alarm* alarm : due) {
        if (alarm->showsMessage) {
            waiting_.push_back(*alarm);
        }
        emit alarmRang(*alarm);
    }
    switchOffOnceAlarms(due);
    const bool snoozeRang = ringSnoozes(now);
    if (newHour && due.empty() && !snoozeRang && chime_.soundsAt(now.hour)) {
        emit hourChimed();
    }
    if (newMinute) {
        updateNextAlarm();
    }
}

void ClockModel::tellMissed(const LocalTime& now)
{
    const QDate today(now.year, now.month, now.day);
    std::vector<MissedAlarm> missed;
    for (const AlarmSchedule::Missed& one : schedule_.missed()) {
        const QDate day = QDate(1970, 1, 1).addDays(one.day);
        missed.push_back({.alarm = *one.alarm, .day = day, .today = day == today});
    }
    emit alarmsMissed(missed);
}

void ClockModel::updateNextAlarm(bool alarmsSaved)
{
    if (!lastTick_) {
        return;
    }
    const std::optional<AlarmSchedule::NextRing> next = AlarmSchedule::nextRing(alarms_, *lastTick_);
    // Once a minute: the same alarm on the same day tells nothing new.
    if (next == nextRing_ && !alarmsSaved) {
        return;
    }
    nextRing_ = next;
    emit nextAlarmChanged();
}

std::optional<ClockModel::NextAlarm> ClockModel::nextAlarm() const
{
    if (!nextRing_ || nextRing_->index >= alarms_.size()) {
        return std::nullopt;
    }
    return NextAlarm{alarms_[nextRing_->index], nextRing_->weekday, nextRing_->daysAhead == 0};
}

void ClockModel::switchOffOnceAlarms(const std::vector<const Alarm*>& rang)
{
    if (std::none_of(rang.begin(), rang.end(), [](const Alarm* alarm) { return alarm->days.once; })) {
        return;
    }
    AlarmTable table = alarms_;
    for (const Alarm* alarm : rang) {
        if (alarm->days.once) {
            table[std::size_t(alarm - alarms_.data())].enabled = false;
        }
    }
    if (!saveAlarms(table)) {
        // Told as a failed save; rung all the same, it must not ring again tomorrow.
        alarms_ = std::move(table);
        updateBell();
        emit alarmsChanged();
        updateNextAlarm(true);
    }
}

std::optional<long long> ClockModel::nextSnoozeDue() const
{
    std::optional<long long> next;
    for (const Snooze& snooze : snooze_.snoozed) {
        next = std::min(next.value_or(snooze.dueUtcMs), snooze.dueUtcMs);
    }
    return next;
}

std::optional<QTime> ClockModel::snoozedUntil(const Alarm& alarm) const
{
    const alarm_options::Identity identity = alarm_options::identityOf(alarm);
    for (const Snooze& snooze : snooze_.snoozed) {
        if (alarm_options::identityOf(snooze.alarm) == identity) {
            return snooze.dueLocal();
        }
    }
    return std::nullopt;
}

void ClockModel::setChime(const Chime& chime)
{
    chime_ = chime;
    reportOptions(options_.rewrite(chime_options::section,
                                   [this](QSettings& options) { chime_options::write(options, chime_); }));
    emit chimeChanged();
}

void ClockModel::setSnoozeLength(SnoozeLength length)
{
    snooze_.length = length;
    saveSnooze();
    emit snoozeChanged();
}

void ClockModel::snoozeWaitingAlarms(const LocalTime& now)
{
    const long long due = now.utcSeconds() * 1000 + now.millisecond + snoozeLength().milliseconds();
    for (const Alarm& alarm : waiting_) {
        snooze_.snoozed.push_back({.alarm = alarm, .dueUtcMs = due, .utcOffset = now.utcOffset});
    }
    waiting_.clear();
    saveSnooze();
    emit snoozeChanged();
}

void ClockModel::closeWaitingAlarms()
{
    waiting_.clear();
}

bool ClockModel::ringSnoozes(const LocalTime& now)
{
    const long long nowMs = now.utcSeconds() * 1000 + now.millisecond;
    const auto isDue = [nowMs](const Snooze& snooze) {
        return snooze.dueUtcMs <= nowMs;
    };
    if (std::none_of(snooze_.snoozed.begin(), snooze_.snoozed.end(), isDue)) {
        return false;
    }
    bool rang = false;
    std::vector<Snooze> due;
    std::erase_if(snooze_.snoozed, [&](const Snooze& snooze) {
        if (isDue(snooze)) {
            due.push_back(snooze);
            return true;
        }
        return false;
    });
    saveSnooze();
    emit snoozeChanged();
    for (const Snooze& snooze : due) {
        // Missed by more than the schedule catches up (the program was not running): gone.
        if (nowMs - snooze.dueUtcMs > AlarmSchedule::catchUpMinutes * 60'000LL) {
            continue;
        }
        waiting_.push_back(snooze.alarm);
        emit alarmRang(snooze.alarm);
        rang = true;
    }
    return rang;
}

void ClockModel::dropUnmatchedSnoozes()
{
    std::erase_if(snooze_.snoozed, [this](const Snooze& snooze) {
        const alarm_options::Identity identity = alarm_options::identityOf(snooze.alarm);
        return std::none_of(alarms_.begin(), alarms_.end(),
                            [&](const Alarm& alarm) { return alarm_options::identityOf(alarm) == identity; });
    });
}

void ClockModel::saveSnooze()
{
    reportOptions(options_.rewrite(snooze_options::section,
                                   [this](QSettings& options) { snooze_options::write(options, snooze_); }));
}

void ClockModel::reportOptions(const std::optional<FileFailure>& failure)
{
    report(failure ? std::vector{*failure} : std::vector<FileFailure>{});
}
