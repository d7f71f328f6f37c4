#include "storage/alarm_file.h"

#include "core/atomic_file.h"
#include "platform/cp932.h"
#include "storage/record.h"
#include "storage/stored_file.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

namespace alarm_file {

namespace {

const QString enabledOn = QStringLiteral("1");
const QString enabledOff = QStringLiteral("0");

// A two-digit number within 0..last, or nothing.
std::optional<int> twoDigits(QStringView text, int last)
{
    const auto isDigit = [](QChar c) {
        return c >= u'0' && c <= u'9';
    };
    if (text.size() != 2 || !isDigit(text[0]) || !isDigit(text[1])) {
        return std::nullopt;
    }
    const int value = (text[0].unicode() - u'0') * 10 + (text[1].unicode() - u'0');
    return value <= last ? std::optional<int>(value) : std::nullopt;
}

// The hour is the time's first two characters and the minute its last two, as the
// clock has always matched them.
QTime readTime(const QString& text)
{
    const QStringView view(text);
    if (view.size() < 2) {
        return {};
    }
    const std::optional<int> hour = twoDigits(view.left(2), 23);
    const std::optional<int> minute = twoDigits(view.right(2), 59);
    return hour && minute ? QTime(*hour, *minute) : QTime();
}

bool readEnabled(const QString& text)
{
    return text == enabledOn;
}

std::optional<QString> readSound(const QString& text)
{
    return text.isEmpty() || text == standardSound ? std::nullopt : std::optional<QString>(text);
}

bool readDisplay(const QString& text)
{
    return text == displayOn;
}

// The file's own spelling of a value, while it still reads as the value.
template <typename T, typename Read>
std::optional<QString> spelt(const std::optional<QString>& spelling, const T& value, Read read)
{
    return spelling && read(*spelling) == value ? spelling : std::nullopt;
}

// Keeps the text as the alarm's spelling unless it is the value's own.
std::optional<QString> unlessCanonical(const QString& text, const QString& canonical)
{
    return text == canonical ? std::nullopt : std::optional<QString>(text);
}

Alarm toAlarm(const QString (&values)[5])
{
    const auto& [time, enabled, sound, display, message] = values;
    Alarm alarm{
        .at = readTime(time),
        .enabled = readEnabled(enabled),
        .waveFile = readSound(sound),
        .showsMessage = readDisplay(display),
        .message = message,
    };
    // A spelling is kept as the file can hold it: a quoted line break becomes a space
    // there, which may read as another value (" 表示" and a line break is " 表示 "), and
    // then the value's own spelling is written instead.
    const QString enabledSpelling = sanitize(enabled);
    alarm.spelling = AlarmSpelling{
        .time = unlessCanonical(sanitize(time), timeText(alarm)),
        .enabled = enabledSpelling == enabledOn || enabledSpelling == enabledOff
                       ? std::nullopt
                       : std::optional<QString>(enabledSpelling),
        .sound = unlessCanonical(sanitize(sound), soundText(alarm)),
        .display = unlessCanonical(sanitize(display), displayText(alarm)),
    };
    return alarm;
}

// Reads records of `valuesPerRecord` values (4 or 5) until the end of the file; a file
// that ends inside a record gives the records before it.
AlarmTable readRecords(const QString& content, int valuesPerRecord, bool dropEmptyTimes)
{
    RecordReader reader(content);
    AlarmTable table;
    while (!reader.atEnd()) {
        QString values[5];
        for (int i = 0; i < valuesPerRecord; ++i) {
            const std::optional<RecordValue> value = reader.next();
            if (!value) {
                return table;
            }
            values[i] = value->text();
        }
        if (dropEmptyTimes && values[0].isEmpty()) {
            continue;
        }
        if (valuesPerRecord == 4) {
            values[4] = defaultAlarmMessage;
        }
        if (values[3].isEmpty()) {
            values[2] = standardSound;
            values[3] = displayOn;
        }
        table.push_back(toAlarm(values));
    }
    return table;
}

// True when the file has lines and every one of them holds exactly four complete values.
// A quoted value cut off by the end of its line is damage (a truncated file), not the
// older form.
bool wholeFileInFourValueForm(const QString& content)
{
    bool anyLine = false;
    const QStringList lines =
        content.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")), Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        if (line.trimmed().isEmpty()) {
            continue;
        }
        RecordReader reader(line);
        int count = 0;
        while (const std::optional<RecordValue> value = reader.next()) {
            if (!value->isClosed()) {
                return false;
            }
            ++count;
        }
        if (count != 4) {
            return false;
        }
        anyLine = true;
    }
    return anyLine;
}

std::optional<FileFailure> write(const QString& path, const QString& text)
{
    return replaceFileContent(path, encode(text));
}

} // namespace

QString timeText(const Alarm& alarm)
{
    return spelt(alarm.spelling.time, alarm.at, readTime)
        .value_or(alarm.at.isValid() ? alarm.at.toString(QStringLiteral("hh:mm")) : QString());
}

QString soundText(const Alarm& alarm)
{
    return spelt(alarm.spelling.sound, alarm.waveFile, readSound)
        .value_or(alarm.waveFile.value_or(standardSound));
}

QString displayText(const Alarm& alarm)
{
    return spelt(alarm.spelling.display, alarm.showsMessage, readDisplay)
        .value_or(alarm.showsMessage ? displayOn : displayOff);
}

QString decode(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        return text;
    }
    return decodeCp932(bytes).value_or(text);
}

QByteArray encode(const QString& text)
{
    return text.toUtf8();
}

Parsed parse(const QString& content)
{
    if (wholeFileInFourValueForm(content)) {
        return Parsed{readRecords(content, 4, true), true};
    }
    // A file that does not read to its end in the current form is damaged: keep what
    // reads and leave the file alone, so that a rewrite throws nothing of it away.
    return Parsed{readRecords(content, 5, true), false};
}

AlarmTable parseSaved(const QString& content)
{
    return readRecords(content, 5, false);
}

QString sanitize(const QString& value)
{
    QString clean = value;
    clean.replace(u'"', QChar(0xFF02));
    clean.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    clean.replace(u'\r', u' ');
    clean.replace(u'\n', u' ');
    return clean;
}

QString format(const AlarmTable& table, bool quoteEnabledFlag)
{
    QString text;
    for (const Alarm& alarm : table) {
        RecordWriter writer;
        writer.addText(sanitize(timeText(alarm)));
        if (quoteEnabledFlag) {
            writer.addText(sanitize(spelt(alarm.spelling.enabled, alarm.enabled, readEnabled)
                                        .value_or(alarm.enabled ? enabledOn : enabledOff)));
        } else {
            writer.addNumber(alarm.enabled ? 1 : 0);
        }
        writer.addText(sanitize(soundText(alarm)))
            .addText(sanitize(displayText(alarm)))
            .addText(sanitize(alarm.message));
        text += writer.record();
    }
    return text;
}

Load load(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        return {};
    }
    const std::variant<QByteArray, FileFailure> file = readStoredFile(path);
    if (const FileFailure* failure = std::get_if<FileFailure>(&file)) {
        return Load{.readFailure = *failure};
    }
    Parsed parsed = parse(decode(std::get<QByteArray>(file)));
    Load loaded{.table = std::move(parsed.table)};
    for (std::size_t i = 0; i < loaded.table.size(); ++i) {
        if (!loaded.table[i].at.isValid()) {
            loaded.unreadableTime = UnreadableTime{path, int(i) + 1, timeText(loaded.table[i])};
            break;
        }
    }
    if (parsed.upgraded) {
        loaded.upgradeFailure = write(path, format(loaded.table, true));
    }
    return loaded;
}

std::variant<AlarmTable, FileFailure> save(const QString& path, const AlarmTable& table)
{
    if (std::optional<FileFailure> failure = write(path, format(table, false))) {
        return *failure;
    }
    const std::variant<QByteArray, FileFailure> file = readStoredFile(path);
    if (const QByteArray* bytes = std::get_if<QByteArray>(&file)) {
        return parseSaved(decode(*bytes));
    }
    return table;
}

} // namespace alarm_file
