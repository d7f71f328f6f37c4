// Checks a program folder after the clock was killed: every settings file and the alarm
// file reads with the program's own readers and holds a whole record exactly as the
// program writes it, so each is either the old or the new content, never a mix or a
// part. Prints what is wrong and exits 1.
#include "storage/alarm_file.h"
#include "storage/settings_files.h"
#include "storage/stored_file.h"
#include "support/fake_platform.h"

#include <QDir>
#include <cstdio>

namespace {

int failures = 0;

void expectFile(const SettingsFiles& files, const char* name, const QByteArray& expected)
{
    const StoredFileRead read = readStoredFile(files.pathOf(name));
    if (!read.bytes || *read.bytes != expected) {
        std::fprintf(stderr, "%s holds \"%s\", not a whole record (\"%s\")\n", name,
                     read.bytes ? read.bytes->toPercentEncoding().constData() : "(unreadable)",
                     expected.toPercentEncoding().constData());
        ++failures;
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PROGRAM-FOLDER\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    FakePlatform platform(folder);
    const SettingsFiles files(folder, platform);
    const SettingsLoad load = files.load();
    if (!load.settings) {
        std::fprintf(stderr, "the settings do not load: %s\n", qPrintable(load.error));
        return 1;
    }
    const ClockSettings& s = *load.settings;
    expectFile(files, SettingsFiles::positionFile, positionRecord(s.positionX, s.positionY));
    expectFile(files, SettingsFiles::setFile, setRecord(s.alwaysOnTop));
    expectFile(files, SettingsFiles::set1File, set1Record(s.secondHand, s.trayIcon));
    expectFile(files, SettingsFiles::set2File,
               set2Record(s.hourHandColour, s.minuteHandColour, s.secondHandColour));
    expectFile(files, SettingsFiles::set3File, set3Record(s.design, s.readoutColour, s.colonStyle));

    const QString alarmPath = QDir(folder).filePath(QString::fromLatin1(alarm_file::fileName));
    const StoredFileRead alarms = readStoredFile(alarmPath);
    const AlarmTable table =
        alarms.bytes ? alarm_file::parseSaved(alarm_file::decode(*alarms.bytes)) : AlarmTable();
    if (!alarms.bytes || table.empty() ||
        *alarms.bytes != alarm_file::encode(alarm_file::format(table, false))) {
        std::fprintf(stderr, "%s holds no whole alarm table\n", alarm_file::fileName);
        ++failures;
    }
    std::printf("position %g,%g front %d second hand %d alarms %zu enabled %s\n", s.positionX, s.positionY,
                s.alwaysOnTop, s.secondHand, table.size(),
                table.empty() ? "-" : qPrintable(table[0].enabled));
    return failures == 0 ? 0 : 1;
}
