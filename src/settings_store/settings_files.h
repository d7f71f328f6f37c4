#pragma once

#include "settings_store/colour.h"

#include <QString>
#include <optional>

class Platform;

// Everything the five settings files hold, as read at start-up.
struct StoredSettings
{
    double posX = 0; // window left, twips
    double posY = 0; // window top, twips
    int fomMae = 0;  // always in front: 1 on, 0 off, anything else leaves the stacking alone
    int ssHari = 0;  // second hand: 1 drawn
    int task = 0;    // notification-area icon: 1 shown
    ColourRef hariColH = 0;
    ColourRef hariColM = 0;
    ColourRef hariColS = 0;
    int dodaiPic = 0;      // cat picture type 0..6
    ColourRef digiCol = 0; // digital colour; 0 shows as white
    int coronOn = 0;       // colon: 1 steady, 0 blinking, anything else not drawn
};

// The values SetSave writes to set.zdt, set1.zdt and set2.zdt.
struct SetSaveValues
{
    int fomMae = 0;
    int ssHari = 0;
    int task = 0;
    ColourRef hariColH = 0;
    ColourRef hariColM = 0;
    ColourRef hariColS = 0;
};

// The values Set3Save writes to set3.zdt.
struct Set3SaveValues
{
    int dodaiPic = 0;
    ColourRef digiCol = 0;
    int coronOn = 0;
};

struct SettingsLoad
{
    std::optional<StoredSettings> settings;
    QString error; // names the file and what is wrong when settings is empty
};

// The records of each file, exactly as written (CR LF included).
QByteArray positionRecord(double leftTwips, double topTwips);
QByteArray setRecord(int fomMae);
QByteArray set1Record(int ssHari, int task);
QByteArray set2Record(ColourRef hour, ColourRef minute, ColourRef second);
QByteArray set3Record(const Set3SaveValues& values);

// The five settings files in the program's folder. Reading happens once, at start-up;
// every later change rewrites a whole file. A write that fails is reported in a
// message box naming the file and the reason, and leaves the old file as it was.
class SettingsStore
{
public:
    SettingsStore(QString folder, Platform& platform);

    static constexpr auto positionFile = "fomit.zdt";
    static constexpr auto setFile = "set.zdt";
    static constexpr auto set1File = "set1.zdt";
    static constexpr auto set2File = "set2.zdt";
    static constexpr auto set3File = "set3.zdt";

    QString pathOf(const char* fileName) const;

    // Reads fomit, set, set1, set2 and set3 in that order; stops at the first file that
    // is missing, short, or holds a value that is not a number in its field's range.
    SettingsLoad load() const;

    // Each returns true when every file it covers was written.
    bool savePosition(double leftTwips, double topTwips);
    bool SetSave(const SetSaveValues& values);
    bool Set3Save(const Set3SaveValues& values);

private:
    bool write(const char* fileName, const QByteArray& record);

    QString folder_;
    Platform& platform_;
    QString lastReportedFailure_;
};
