#pragma once

#include "storage/alarm.h"
#include "ui/dialogs.h"
#include "widgets/picture_dialog.h"

#include <optional>

class AlarmListModel;
class ClockModel;
class HighlightBar;
class Questions;
class QLabel;
class SpokenList;

// The alarm list: the user marks alarms on or off, adds, changes and deletes them,
// and saves. It works on a copy of the clock's alarm table; nothing reaches the clock
// or the file until a save, which an alarm confirmed in the edit window makes at once.
class AlarmListWindow final : public PictureDialog
{
    Q_OBJECT

public:
    AlarmListWindow(ClockModel& model, Dialogs& dialogs, Questions& questions);

    // The most alarms the list takes.
    static constexpr int mostAlarms = 10;

private:
    // The highlighted entry, or -1.
    int currentRow() const;
    void setCurrentRow(int row);
    void showDetails();
    // Shows a detail of one line: a longer one ends in "…", and its tooltip and a
    // screen reader have it whole.
    static void showElided(QLabel* detail, const QString& text);
    void addAlarm();
    void changeAlarm();
    void deleteAlarm();
    void openEditor(std::optional<int> row, HighlightBar* bar);
    // Takes the alarm the edit window confirmed into the copy, marked, and saves.
    void applyEdit(const Alarm& alarm);
    // Writes the copy with its marks; the clock and the copy take the file's content.
    void save(Dialogs::Notice notice);

    ClockModel& model_;
    Dialogs& dialogs_;
    Questions& questions_;
    AlarmListModel* entries_;
    std::optional<int> editedRow_; // the row the edit window changes; none when it adds
    SpokenList* alarmList_;
    QLabel* timeDetail_;
    QLabel* displayDetail_;
    QLabel* messageDetail_;
    QLabel* daysDetail_;
    QLabel* soundDetail_;
    HighlightBar* addBar_;
    HighlightBar* changeBar_;
};
