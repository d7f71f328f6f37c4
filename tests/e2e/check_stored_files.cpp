// Checks a program folder after the clock was killed: every settings file and the alarm
// file reads with the program's own readers and holds a whole record exactly as the
// program writes it, so each is either the old or the new content, never a mix or a
// part. Prints what is wrong and exits 1.
#include "storage/alarm_file.h"
#include "storage/settings_files.h"
#include "storage/stored_file.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

namespace {

int failures = 0;

std::optional<QByteArray> bytesOf(const QString& path)
{
    std::variant<QByteArray, FileFailure> read = readStoredFile(path);
    const QByteArray* bytes = std::get_if<QByteArray>(&read);
    return bytes ? std::optional<QByteArray>(*bytes) : std::nullopt;
}

// The file holds what the program writes for the settings it holds.
void expectFile(const SettingsFiles& files, const SettingsFiles& written, const char* name)
{
    const std::optional<QByteArray> bytes = bytesOf(files.pathOf(name));
    const std::optional<QByteArray> expected = bytesOf(written.pathOf(name));
    if (!bytes || bytes != expected) {
        std::fprintf(stderr, "%s holds \"%s\", not a whole record (\"%s\")\n", name,
                     bytes ? bytes->toPercentEncoding().constData() : "(unreadable)",
                     expected ? expected->toPercentEncoding().constData() : "(unwritten)");
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
    const SettingsFiles files(folder);
    const auto load = files.load();
    if (!std::holds_alternative<ClockSettings>(load)) {
        std::fprintf(stderr, "the settings do not load: %s\n",
                     qPrintable(std::get<SettingsLoadFailure>(load).file.path));
        return 1;
    }
    const ClockSettings& s = std::get<ClockSettings>(load);
    QTemporaryDir scratch;
    SettingsFiles written(scratch.path());
    written.savePosition(s.positionX, s.positionY);
    written.saveGeneralSettings(s);
    written.saveDesignSettings(s);
    for (const char* name : {SettingsFiles::positionFile, SettingsFiles::setFile, SettingsFiles::set1File,
                             SettingsFiles::set2File, SettingsFiles::set3File}) {
        expectFile(files, written, name);
    }

    const QString alarmPath = QDir(folder).filePath(QString::fromLatin1(alarm_file::fileName));
    const std::optional<QByteArray> alarms = bytesOf(alarmPath);
    const AlarmTable table = alarms ? alarm_file::parseSaved(alarm_file::decode(*alarms)) : AlarmTable();
    if (!alarms || table.empty() || *alarms != alarm_file::encode(alarm_file::format(table, false))) {
        std::fprintf(stderr, "%s holds no whole alarm table\n", alarm_file::fileName);
        ++failures;
    }
    std::printf("position %g,%g front %d second hand %d alarms %zu enabled %s\n", s.positionX, s.positionY,
                s.alwaysOnTop == Stacking::InFront, bool(s.secondHand), table.size(),
                table.empty() ? "-" : (table[0].enabled ? "1" : "0"));
    return failures == 0 ? 0 : 1;
}
