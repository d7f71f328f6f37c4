#pragma once

#include "model/alarm_schedule.h"
#include "storage/alarm_record.h"
#include "storage/clock_settings.h"
#include "storage/settings_files.h"

#include <QObject>
#include <QPoint>

class Platform;

// The one owner of the clock's state: the stored settings, the alarm table and what
// follows from them. Every setter assigns, writes the settings file the value lives in,
// and then emits one signal, even when the value did not change (the user pressed the
// button again: the file is rewritten and the effect applied again).
class ClockModel final : public QObject
{
    Q_OBJECT

public:
    explicit ClockModel(Platform& platform);

    // Reads the five settings files, then the alarm file. On a bad settings file it
    // returns the message to show and reads and writes nothing more.
    std::optional<QString> load();

    const ClockSettings& settings() const { return settings_; }
    const AlarmTable& alarms() const { return alarms_; }
    QString alarmFilePath() const;

    // 1 while at least one alarm is enabled: the bell shows on the face.
    int bellShown() const { return bellShown_; }
    // 1 when the alarm that rang last played a wave file: the message window then keeps quiet.
    int lastAlarmPlayedWave() const { return lastAlarmPlayedWave_; }

    void setAlwaysOnTop(int value);
    void setTrayIcon(int value);
    void setSecondHand(int value);
    void setColonStyle(int value);
    void setDesign(int design);
    void setHandColours(ColourRef hour, ColourRef minute, ColourRef second);
    void setReadoutColour(ColourRef colour);

    // The stored window position in screen pixels (the file holds twips).
    QPoint position() const;
    // Writes the window's top-left corner (pixels) to the position file.
    void savePosition(QPoint topLeft);
    // The same as the program ends: a failure goes to standard error, since the end must
    // never wait for somebody to answer a message box.
    void savePositionAtExit(QPoint topLeft);

    // Writes the table to the alarm file and takes the file's content as the new table.
    // False, with the table unchanged, when the file could not be written.
    bool saveAlarms(const AlarmTable& table);

    // The alarm tick: rings every enabled alarm due at `now`, once in its minute. Plays
    // its wave file (or leaves the standard sound to the message window) and emits
    // alarmRang for the alarms that show a message. Allocates nothing when none is due.
    void checkAlarms(const LocalTime& now);

signals:
    void alwaysOnTopChanged();
    void trayIconChanged();
    void secondHandChanged();
    void colonStyleChanged();
    void designChanged();
    void handColoursChanged();
    void readoutColourChanged();
    void alarmsChanged();
    void alarmRang(const QString& message);

private:
    void saveGeneralSettings();
    void saveDesignSettings();
    void writePosition(QPoint topLeft, SettingsFiles::FailureReport report);
    void updateBell();
    void ring(const AlarmSchedule::Due& due);

    Platform& platform_;
    SettingsFiles files_;
    ClockSettings settings_;
    AlarmTable alarms_;
    AlarmSchedule schedule_;
    int bellShown_ = 0;
    int lastAlarmPlayedWave_ = 0;
};
