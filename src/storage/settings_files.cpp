#include "storage/settings_files.h"

#include "core/atomic_file.h"
#include "storage/alarm_file.h"
#include "storage/options_file.h"
#include "storage/record.h"
#include "storage/stored_file.h"

#include <QDir>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

constexpr ColourRef white = 0xFFFFFF;
constexpr double twipsPerPixel = 15.0;

enum class Field
{
    Position,
    Flag,
    Colour,
    Design,
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
    case Field::Design:
        return {0, DesignIndex::count - 1};
    case Field::Position:
        break;
    }
    return {-3.4e38, 3.4e38};
}

// How a file spells the values of a setting: the number of each known value, and the
// value every other number means (kept with its number, to be written back).
template <typename T>
struct Spelling
{
    std::array<std::pair<T, int>, 2> known;
    T other;
    int otherNumber; // for the other value when no file gave it a number
};

constexpr Spelling<Stacking> stackingSpelling{
    {{{Stacking::Normal, 0}, {Stacking::InFront, 1}}}, Stacking::Untouched, 2};
constexpr Spelling<bool> switchSpelling{{{{false, 0}, {true, 1}}}, false, 0};
constexpr Spelling<ColonStyle> colonSpelling{
    {{{ColonStyle::Blinking, 0}, {ColonStyle::Steady, 1}}}, ColonStyle::Hidden, 2};

template <typename T>
Stored<T> fromNumber(const Spelling<T>& spelling, int number)
{
    for (const auto& [value, known] : spelling.known) {
        if (known == number) {
            return value;
        }
    }
    return Stored<T>::asRead(spelling.other, number);
}

template <typename T>
int toNumber(const Spelling<T>& spelling, const Stored<T>& stored)
{
    if (const std::optional<int> number = stored.numberAsRead()) {
        return *number;
    }
    for (const auto& [value, known] : spelling.known) {
        if (value == stored.value()) {
            return known;
        }
    }
    return spelling.otherNumber;
}

// Reads the first fields.size() values of one file, each a number within its field's range.
// Whole-number fields round a fraction to the nearest even number, as an integer assignment would.
std::variant<std::vector<double>, SettingsLoadFailure> readNumbers(const QString& path,
                                                                   const std::vector<Field>& fields)
{
    using Problem = SettingsLoadFailure::Problem;
    SettingsLoadFailure failure{.file = {.path = path}};
    const std::variant<QByteArray, FileFailure> file = readStoredFile(path);
    if (const FileFailure* unreadable = std::get_if<FileFailure>(&file)) {
        failure.file = *unreadable;
        return failure;
    }
    RecordReader reader(QString::fromLatin1(std::get<QByteArray>(file)));
    std::vector<double> numbers;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::optional<RecordValue> value = reader.next();
        if (!value) {
            failure.problem = Problem::TooFewValues;
            failure.valuesNeeded = int(fields.size());
            failure.valuesFound = int(i);
            return failure;
        }
        const auto faulty = [&](Problem problem) {
            failure.problem = problem;
            failure.valueNumber = int(i) + 1;
            failure.value = value->text();
            return failure;
        };
        std::optional<double> number = value->toNumber();
        if (!number) {
            return faulty(Problem::NotANumber);
        }
        if (fields[i] != Field::Position) {
            number = std::nearbyint(*number);
        }
        const Range range = rangeOf(fields[i]);
        if (*number < range.low || *number > range.high) {
            failure.low = range.low;
            failure.high = range.high;
            return faulty(Problem::OutOfRange);
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

QPoint positionInPixels(const ClockSettings& settings)
{
    const auto pixels = [](double twips) {
        return int(std::lround(std::clamp(twips / twipsPerPixel, -1.0e7, 1.0e7)));
    };
    return QPoint(pixels(settings.positionX), pixels(settings.positionY));
}

void setPositionInPixels(ClockSettings& settings, QPoint topLeft)
{
    settings.positionX = topLeft.x() * twipsPerPixel;
    settings.positionY = topLeft.y() * twipsPerPixel;
}

SettingsFiles::SettingsFiles(QString folder) : folder_(std::move(folder)) {}

void SettingsFiles::removeLeftoverTemporaries() const
{
    for (const char* file :
         {positionFile, setFile, set1File, set2File, set3File, alarm_file::fileName, OptionsFile::fileName}) {
        ::removeLeftoverTemporaries(pathOf(file));
    }
}

QString SettingsFiles::pathOf(const char* fileName) const
{
    return QDir(folder_).filePath(QString::fromLatin1(fileName));
}

std::variant<ClockSettings, SettingsLoadFailure> SettingsFiles::load() const
{
    using enum Field;
    struct File
    {
        const char* name;
        std::vector<Field> fields;
    };
    const File files[] = {
        {positionFile, {Position, Position}},
        {setFile, {Flag}},
        {set1File, {Flag, Flag}},
        {set2File, {Colour, Colour, Colour}},
        {set3File, {Design, Colour, Flag}},
    };
    std::vector<std::vector<double>> values;
    for (const File& file : files) {
        auto read = readNumbers(pathOf(file.name), file.fields);
        if (SettingsLoadFailure* failure = std::get_if<SettingsLoadFailure>(&read)) {
            return std::move(*failure);
        }
        values.push_back(std::move(std::get<std::vector<double>>(read)));
    }
    const auto& [position, set, set1, set2, set3] =
        std::tie(values[0], values[1], values[2], values[3], values[4]);
    return ClockSettings{
        .positionX = position[0],
        .positionY = position[1],
        .alwaysOnTop = fromNumber(stackingSpelling, int(set[0])),
        .secondHand = fromNumber(switchSpelling, int(set1[0])),
        .trayIcon = fromNumber(switchSpelling, int(set1[1])),
        .hourHandColour = ColourRef(set2[0]),
        .minuteHandColour = ColourRef(set2[1]),
        .secondHandColour = ColourRef(set2[2]),
        .design = DesignIndex{int(set3[0])},
        // A stored 0 always means white: black cannot be the read-out colour.
        .readoutColour = set3[1] == 0 ? white : ColourRef(set3[1]),
        .colonStyle = fromNumber(colonSpelling, int(set3[2])),
    };
}

void SettingsFiles::write(const char* fileName, const QByteArray& record, std::vector<FileFailure>& failures)
{
    if (std::optional<FileFailure> failure = replaceFileContent(pathOf(fileName), record)) {
        failures.push_back(std::move(*failure));
    }
}

std::vector<FileFailure> SettingsFiles::savePosition(double leftTwips, double topTwips)
{
    std::vector<FileFailure> failures;
    write(positionFile, positionRecord(leftTwips, topTwips), failures);
    return failures;
}

std::vector<FileFailure> SettingsFiles::saveGeneralSettings(const ClockSettings& settings)
{
    std::vector<FileFailure> failures;
    write(setFile, setRecord(toNumber(stackingSpelling, settings.alwaysOnTop)), failures);
    write(set1File,
          set1Record(toNumber(switchSpelling, settings.secondHand),
                     toNumber(switchSpelling, settings.trayIcon)),
          failures);
    write(set2File, set2Record(settings.hourHandColour, settings.minuteHandColour, settings.secondHandColour),
          failures);
    return failures;
}

std::vector<FileFailure> SettingsFiles::saveDesignSettings(const ClockSettings& settings)
{
    std::vector<FileFailure> failures;
    write(set3File,
          set3Record(settings.design.number, settings.readoutColour,
                     toNumber(colonSpelling, settings.colonStyle)),
          failures);
    return failures;
}
