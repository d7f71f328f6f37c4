#pragma once

#include "storage/alarm_record.h"
#include "ui/dialogs.h"
#include "widgets/picture_dialog.h"

#include <optional>

class ClockModel;
class HighlightBar;
class Platform;
class QLabel;
class QListWidget;

// The alarm list: the user marks alarms on or off, adds, changes and deletes them,
// and saves. It works on a copy of the clock's alarm table; nothing reaches the clock
// or the file until a save, which an alarm confirmed in the edit window makes at once.
class AlarmListWindow final : public PictureDialog
{
    Q_OBJECT

public:
    AlarmListWindow(ClockModel& model, Dialogs& dialogs, Platform& platform);

    // The working copy behind the list's entries (the marks live on the entries).
    const AlarmTable& workingCopy() const { return copy_; }

private:
    void listClicked();
    void showDetails(int row);
    void addAlarm();
    void changeAlarm();
    void deleteAlarm();
    void openEditor(std::optional<int> row, HighlightBar* bar);
    // Takes the alarm the edit window confirmed into the copy, marked, and saves.
    void applyEdit(const AlarmRecord& alarm);
    // Writes the copy with its marks; the clock and the copy take the file's content.
    void save(Dialogs::Notice notice);
    // A list entry with its mark, and its alarm in the working copy.
    void addEntry(const AlarmRecord& alarm, const QString& listText, bool marked);

    ClockModel& model_;
    Dialogs& dialogs_;
    Platform& platform_;
    AlarmTable copy_;
    int selectedRow_ = -1;
    std::optional<int> editedRow_; // the row the edit window changes; none when it adds
    QListWidget* alarmList_;
    QLabel* timeDetail_;
    QLabel* displayDetail_;
    QLabel* messageDetail_;
    QLabel* soundDetail_;
    HighlightBar* addBar_;
    HighlightBar* changeBar_;
};
