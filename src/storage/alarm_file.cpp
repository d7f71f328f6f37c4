#include "storage/alarm_file.h"

#include "core/atomic_file.h"
#include "platform/platform.h"
#include "storage/record.h"
#include "storage/stored_file.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <optional>

namespace alarm_file {

namespace {

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
        AlarmRecord record{values[0], values[1], values[2], values[3], values[4]};
        if (dropEmptyTimes && record.time.isEmpty()) {
            continue;
        }
        if (valuesPerRecord == 4) {
            record.message = alarm_text::defaultMessage;
        }
        if (record.display.isEmpty()) {
            record.sound = alarm_text::standardSound;
            record.display = alarm_text::displayOn;
        }
        table.push_back(record);
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

} // namespace

QString decode(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        return text;
    }
    QStringDecoder cp932("windows-31j");
    return cp932.isValid() ? cp932.decode(bytes) : text;
}

QByteArray encode(const QString& text)
{
    QStringEncoder encoder(QStringEncoder::System);
    return encoder.encode(text);
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
    for (const AlarmRecord& record : table) {
        RecordWriter writer;
        writer.addText(sanitize(record.time));
        if (quoteEnabledFlag) {
            writer.addText(sanitize(record.enabled));
        } else {
            writer.addNumber(record.enabled == alarm_text::enabledOn ? 1 : 0);
        }
        writer.addText(sanitize(record.sound))
            .addText(sanitize(record.display))
            .addText(sanitize(record.message));
        text += writer.record();
    }
    return text;
}

} // namespace alarm_file

namespace alarm_file {

namespace {

bool write(const QString& path, const QString& text, Platform& platform)
{
    const QString failure = replaceFileContent(path, encode(text));
    if (!failure.isEmpty()) {
        platform.showMessage(QStringLiteral("アラームの設定を保存できませんでした。\n%1\n%2")
                                 .arg(QDir::toNativeSeparators(path), failure));
        return false;
    }
    return true;
}

} // namespace

AlarmTable load(const QString& path, Platform& platform)
{
    if (!QFileInfo::exists(path)) {
        return {};
    }
    const StoredFileRead file = readStoredFile(path);
    if (!file.bytes) {
        platform.showMessage(QStringLiteral("アラームの設定を読み込めませんでした。\n%1\n%2")
                                 .arg(QDir::toNativeSeparators(path), file.error));
        return {};
    }
    Parsed parsed = parse(decode(*file.bytes));
    if (parsed.upgraded) {
        write(path, format(parsed.table, true), platform);
    }
    return std::move(parsed.table);
}

std::optional<AlarmTable> save(const QString& path, const AlarmTable& table, Platform& platform)
{
    if (!write(path, format(table, false), platform)) {
        return std::nullopt;
    }
    const StoredFileRead file = readStoredFile(path);
    return file.bytes ? parseSaved(decode(*file.bytes)) : table;
}

} // namespace alarm_file
