#pragma once

#include "alarms/alarm_record.h"
#include "widgets/picture_dialog.h"

class Form1;
class Form3;
class HighlightBar;
class ImageButton;
class QLabel;
class QListWidget;

// The alarm list: the user marks alarms on or off, adds, changes and deletes them,
// and saves. It works on a copy of the clock's alarm table; nothing reaches the clock
// or the file until a save.
class Form8 final : public PictureDialog
{
    Q_OBJECT

public:
    // Shows the list centred on the settings window, which stays disabled meanwhile.
    static Form8* open(Form1& form1, const Form3& form3);

    // Writes the working copy to the alarm file, rebuilds the clock's table and this
    // copy from the file, and confirms in the message window.
    void AlmSaveTeki();

    // Shows the alarm at `index` in the four detail labels.
    void showDetails(int index);

    // Adds or replaces an entry as the edit window confirms it: marked, and enabled.
    void appendAlarm(const AlarmRecord& alarm, const QString& listText);
    void replaceAlarm(int index, const AlarmRecord& alarm, const QString& listText);

    // The working copy: the marks on the list and the five columns behind it.
    const AlarmTable& workingCopy() const { return copy_; }
    bool isMarked(int index) const;
    int entryCount() const;

    int LstIdx = -1;
    int SetPlpty = 0;
    QString Fm8Show;

    QListWidget* List1;
    QLabel *SetTime, *SetMesP, *SetMes, *SetMsc;
    HighlightBar *AlmPlus, *SetHen, *BtnAlmDel;
    ImageButton *BtnAl, *BtnCl;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    explicit Form8(Form1& form1);

    void listClicked();
    void addAlarm();
    void changeAlarm();
    void deleteAlarm();
    void openEditWindow(int mode, HighlightBar* bar);
    // A list entry with its mark, and its alarm in the working copy.
    void addEntry(const AlarmRecord& alarm, const QString& listText, bool marked);

    Form1& form1_;
    AlarmTable copy_;
};
