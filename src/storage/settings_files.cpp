#include "storage/settings_files.h"

#include "core/atomic_file.h"
#include "platform/platform.h"
#include "storage/record.h"
#include "storage/stored_file.h"

#include <QDebug>
#include <QDir>
#include <cmath>
#include <vector>

namespace {

enum class Field
{
    Position,
    Flag,
    Colour
};

struct Range
{
    double low;
    double high;
};

Range rangeOf(Field field)
{
    switch (field) {
    case Field::Flag:
        return {-32768, 32767};
    case Field::Colour:
        return {0, 16777215};
    case Field::Position:
        break;
    }
    return {-3.4e38, 3.4e38};
}

// A value as a message quotes it: a whole file of digits would make a box taller than
// the screen.
QString quotedInMessage(const QString& value)
{
    constexpr qsizetype shown = 40;
    return value.size() <= shown ? value : value.left(shown) + u'…';
}

// Reads the first fields.size() values of one file, each a number within its field's range.
// Whole-number fields round a fraction to the nearest even number, as an integer assignment would.
std::optional<std::vector<double>> readNumbers(const QString& path, const std::vector<Field>& fields,
                                               QString& error)
{
    const QString intro = QStringLiteral("設定ファイルを読み込めないため、起動できません。\n%1\n")
                              .arg(QDir::toNativeSeparators(path));
    const StoredFileRead file = readStoredFile(path);
    if (!file.bytes) {
        error = intro + file.error;
        return std::nullopt;
    }
    RecordReader reader(QString::fromLatin1(*file.bytes));
    std::vector<double> numbers;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::optional<RecordValue> value = reader.next();
        if (!value) {
            error = intro +
                    QStringLiteral("値が %1 個必要ですが、%2 個しかありません。").arg(fields.size()).arg(i);
            return std::nullopt;
        }
        std::optional<double> number = value->toNumber();
        if (!number) {
            error = intro + QStringLiteral("%1 番目の値「%2」が数値ではありません。")
                                .arg(i + 1)
                                .arg(quotedInMessage(value->text()));
            return std::nullopt;
        }
        if (fields[i] != Field::Position) {
            number = std::nearbyint(*number);
        }
        const Range range = rangeOf(fields[i]);
        if (*number < range.low || *number > range.high) {
            error = intro + QStringLiteral("%1 番目の値 %2 が範囲（%3～%4）の外にあります。")
                                .arg(i + 1)
                                .arg(quotedInMessage(value->text()))
                                .arg(formatRecordNumber(range.low), formatRecordNumber(range.high));
            return std::nullopt;
        }
        numbers.push_back(*number);
    }
    return numbers;
}

QByteArray toBytes(const RecordWriter& writer)
{
    return writer.record().toLatin1();
}

} // namespace

QByteArray positionRecord(double leftTwips, double topTwips)
{
    return toBytes(RecordWriter().addNumber(leftTwips).addNumber(topTwips));
}

QByteArray setRecord(int alwaysOnTop)
{
    return toBytes(RecordWriter().addNumber(alwaysOnTop));
}

QByteArray set1Record(int secondHand, int trayIcon)
{
    return toBytes(RecordWriter().addNumber(secondHand).addNumber(trayIcon));
}

QByteArray set2Record(ColourRef hour, ColourRef minute, ColourRef second)
{
    return toBytes(RecordWriter().addNumber(hour).addNumber(minute).addNumber(second));
}

QByteArray set3Record(int design, ColourRef readoutColour, int colonStyle)
{
    RecordWriter writer;
    writer.addNumber(design).addNumber(readoutColour).addNumber(colonStyle);
    for (int reserved = 0; reserved < 7; ++reserved) {
        writer.addNumber(0);
    }
    return toBytes(writer);
}

SettingsFiles::SettingsFiles(QString folder, Platform& platform)
    : folder_(std::move(folder)), platform_(platform)
{}

QString SettingsFiles::pathOf(const char* fileName) const
{
    return QDir(folder_).filePath(QString::fromLatin1(fileName));
}

SettingsLoad SettingsFiles::load() const
{
    SettingsLoad result;
    ClockSettings s;
    using enum Field;

    const auto position = readNumbers(pathOf(positionFile), {Position, Position}, result.error);
    if (!position) {
        return result;
    }
    s.positionX = (*position)[0];
    s.positionY = (*position)[1];

    const auto set = readNumbers(pathOf(setFile), {Flag}, result.error);
    if (!set) {
        return result;
    }
    s.alwaysOnTop = int((*set)[0]);

    const auto set1 = readNumbers(pathOf(set1File), {Flag, Flag}, result.error);
    if (!set1) {
        return result;
    }
    s.secondHand = int((*set1)[0]);
    s.trayIcon = int((*set1)[1]);

    const auto set2 = readNumbers(pathOf(set2File), {Colour, Colour, Colour}, result.error);
    if (!set2) {
        return result;
    }
    s.hourHandColour = ColourRef((*set2)[0]);
    s.minuteHandColour = ColourRef((*set2)[1]);
    s.secondHandColour = ColourRef((*set2)[2]);

    const auto set3 = readNumbers(pathOf(set3File), {Flag, Colour, Flag}, result.error);
    if (!set3) {
        return result;
    }
    s.design = int((*set3)[0]);
    s.readoutColour = ColourRef((*set3)[1]);
    s.colonStyle = int((*set3)[2]);

    result.settings = s;
    return result;
}

bool SettingsFiles::write(const char* fileName, const QByteArray& record, FailureReport report)
{
    const QString path = pathOf(fileName);
    const QString failure = replaceFileContent(path, record);
    if (failure.isEmpty()) {
        lastReportedFailure_.clear();
        return true;
    }
    const QString message = QStringLiteral("設定ファイルを保存できませんでした。\n%1\n%2")
                                .arg(QDir::toNativeSeparators(path), failure);
    if (report == FailureReport::StandardError) {
        qWarning().noquote() << message;
        return false;
    }
    // The same failure again (the position after every click in a read-only folder) is
    // reported once, until a write succeeds.
    if (message != lastReportedFailure_) {
        lastReportedFailure_ = message;
        platform_.showMessage(message);
    }
    return false;
}

bool SettingsFiles::savePosition(double leftTwips, double topTwips, FailureReport report)
{
    return write(positionFile, positionRecord(leftTwips, topTwips), report);
}

bool SettingsFiles::saveGeneralSettings(const ClockSettings& settings)
{
    const bool set = write(setFile, setRecord(settings.alwaysOnTop));
    const bool set1 = write(set1File, set1Record(settings.secondHand, settings.trayIcon));
    const bool set2 = write(
        set2File, set2Record(settings.hourHandColour, settings.minuteHandColour, settings.secondHandColour));
    return set && set1 && set2;
}

bool SettingsFiles::saveDesignSettings(const ClockSettings& settings)
{
    return write(set3File, set3Record(settings.design, settings.readoutColour, settings.colonStyle));
}
