#pragma once

#include "model/alarm_schedule.h"
#include "storage/alarm.h"
#include "storage/alarm_file.h"
#include "storage/chime.h"
#include "storage/clock_settings.h"
#include "storage/gadget_options.h"
#include "storage/options_file.h"
#include "storage/settings_files.h"
#include "storage/snooze.h"

#include <QDate>
#include <QObject>
#include <QPoint>

// The one owner of the clock's state: the stored settings, the alarm table and what
// follows from them. Every setter assigns, writes the settings file the value lives in,
// and then emits one signal, even when the value did not change (the user pressed the
// button again: the file is rewritten and the effect applied again). A file that cannot
// be written keeps its old content; the failure is signalled and the clock goes on.
class ClockModel final : public QObject
{
    Q_OBJECT

public:
    // Keeps its files in `settingsFolder`.
    explicit ClockModel(QString settingsFolder);

    // Reads the five settings files, then the alarm file and the options file. On a bad
    // settings file it returns what is wrong and reads and writes nothing more.
    std::optional<SettingsLoadFailure> load();

    const ClockSettings& settings() const { return settings_; }
    const AlarmTable& alarms() const { return alarms_; }
    QString alarmFilePath() const;

    // While at least one alarm is enabled the bell shows on the face.
    bool bellShown() const { return bellShown_; }

    // The alarm that rings next after the minute of the last alarm tick: none when no
    // alarm is on, or before the first tick.
    struct NextAlarm
    {
        Alarm alarm;
        int weekday; // 0 = Sunday
        bool today;
    };
    std::optional<NextAlarm> nextAlarm() const;

    // An alarm that did not ring: real time passed over its minute by more than the
    // schedule catches up (a sleep, a stalled program). It was due on `day` at its time.
    struct MissedAlarm
    {
        Alarm alarm;
        QDate day;
        bool today; // the day of the tick that found it missed
    };

    void setAlwaysOnTop(Stacking stacking);
    void setTrayIcon(bool shown);
    void setSecondHand(bool shown);
    void setColonStyle(ColonStyle style);
    void setDesign(DesignIndex design);
    void setHandColours(ColourRef hour, ColourRef minute, ColourRef second);
    void setReadoutColour(ColourRef colour);

    // How large the clock is drawn; kept in the options file.
    ClockSize clockSize() const { return gadget_.size; }
    void setClockSize(ClockSize size);
    // The screen the stored position lies on, where several are; kept in the options file.
    std::optional<QRect> homeScreen() const { return gadget_.screen; }
    void setHomeScreen(QRect screen);
    // How much of the clock shows, and whether it shows wholly while the pointer is over
    // it; kept in the options file.
    ClockOpacity opacity() const { return gadget_.opacity; }
    void setOpacity(ClockOpacity opacity);
    bool opaqueUnderPointer() const { return gadget_.opaqueUnderPointer; }
    void setOpaqueUnderPointer(bool opaque);
    // Whether clicks on the clock go to what lies under it; kept in the options file.
    bool clickThrough() const { return gadget_.clickThrough; }
    void setClickThrough(bool through);

    // The stored window position in screen pixels (the file holds twips, which storage converts).
    QPoint position() const;
    // Writes the window's top-left corner (pixels) to the position file.
    void savePosition(QPoint topLeft);
    // The same as the program ends, when nobody may be there to answer a message: the
    // failures are returned instead of signalled.
    std::vector<FileFailure> savePositionAtExit(QPoint topLeft);

    // Writes the table to the alarm file and takes the file's content as the new table,
    // then the alarms' own options to the options file. False, with the table unchanged,
    // when the alarm file could not be written; an options file that could not be
    // written is signalled as a settings file.
    bool saveAlarms(const AlarmTable& table);

    // The alarm tick: rings every enabled alarm due at `now`, once in its minute, and
    // every snoozed alarm whose time has come, by emitting alarmRang; an alarm set to ring
    // once is then switched off and the alarms saved. The alarms missed since the tick
    // before come first, in one alarmsMissed; they ring no more, and a once-only one
    // among them stays on for its next time. At the first tick of an hour where
    // nothing rang, the chime sounds (hourChimed). Allocates nothing when none is due.
    void checkAlarms(const LocalTime& now);

    // The hourly chime; kept in the options file.
    const Chime& chime() const { return chime_; }
    void setChime(const Chime& chime);

    // How long a snoozed alarm waits; kept in the options file.
    SnoozeLength snoozeLength() const { return snooze_.length.value_or(SnoozeLength()); }
    void setSnoozeLength(SnoozeLength length);

    // The alarms that rang with their message, which waits for an answer: snoozed, they
    // ring again after the snooze length from `now`; closed, their ringing ends.
    bool hasAlarmsWaiting() const { return !waiting_.empty(); }
    void snoozeWaitingAlarms(const LocalTime& now);
    void closeWaitingAlarms();
    // The alarms snoozed, in the order they ring again; a snooze that the program was not
    // running for rings at start within the minutes the schedule catches up, or never.
    const std::vector<Snooze>& snoozes() const { return snooze_.snoozed; }
    // When a snooze of this alarm rings again on the clock, if it is snoozed.
    std::optional<QTime> snoozedUntil(const Alarm& alarm) const;
    // When the first snooze rings again (milliseconds since the epoch, UTC), if any.
    std::optional<long long> nextSnoozeDue() const;

signals:
    void alwaysOnTopChanged();
    void trayIconChanged();
    void secondHandChanged();
    void colonStyleChanged();
    void designChanged();
    void handColoursChanged();
    void readoutColourChanged();
    void clockSizeChanged();
    void homeScreenChanged();
    // The opacity, or whether the pointer makes the clock opaque, was set.
    void seeThroughChanged();
    void clickThroughChanged();
    void alarmsChanged();
    void alarmRang(const Alarm& alarm);
    // The alarms that time passed over without their ringing, in the order they were due.
    void alarmsMissed(const std::vector<ClockModel::MissedAlarm>& missed);
    // What nextAlarm() gives changed: alarms saved, one rang, a new day, a clock set.
    void nextAlarmChanged();
    // The snooze length was set, or an alarm was snoozed or rang again.
    void snoozeChanged();
    void chimeChanged();
    // The hour came, in no quiet hour and with no alarm ringing in its minute.
    void hourChimed();

    // A settings file could not be written. The same failure again is signalled once,
    // until a write succeeds (the position after every click in a read-only folder).
    void settingsNotSaved(const FileFailure& failure);
    // The alarm file could not be read at start-up: the clock starts without alarms.
    void alarmsNotRead(const FileFailure& failure);
    // An alarm of the file read at start-up has a time it cannot ring at.
    void alarmTimeNotRead(const alarm_file::UnreadableTime& unreadable);
    // The alarm file could not be written (a save, or the rewrite of the older form).
    void alarmsNotSaved(const FileFailure& failure);
    // The options file could not be read at start-up: the clock starts with their defaults.
    void optionsNotRead(const FileFailure& failure);

private:
    void saveGeneralSettings();
    void saveDesignSettings();
    std::vector<FileFailure> writePosition(QPoint topLeft);
    void report(const std::vector<FileFailure>& failures);
    void reportOptions(const std::optional<FileFailure>& failure);
    void saveGadgetOptions();
    void updateBell();
    void switchOffOnceAlarms(const std::vector<const Alarm*>& rang);
    void tellMissed(const LocalTime& now);
    // Signals when the next alarm differs, or always (`alarmsSaved`: its words may have).
    void updateNextAlarm(bool alarmsSaved = false);
    // Rings the snoozes due; whether any rang.
    bool ringSnoozes(const LocalTime& now);
    // Snoozes whose alarm is no longer in the table end.
    void dropUnmatchedSnoozes();
    void saveSnooze();

    SettingsFiles files_;
    OptionsFile options_;
    ClockSettings settings_;
    AlarmTable alarms_;
    gadget_options::GadgetOptions gadget_;
    AlarmSchedule schedule_;
    std::optional<FileFailure> lastSettingsFailure_;
    bool bellShown_ = false;
    std::optional<LocalTime> lastTick_;
    std::optional<AlarmSchedule::NextRing> nextRing_;
    snooze_options::Options snooze_;
    Chime chime_;
    std::vector<Alarm> waiting_;
};
