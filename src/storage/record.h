#pragma once

#include <QString>
#include <optional>

// One value of a sequential text record: either quoted text or a bare value
// (usually a number). Settings files and the alarm file are made of these.
class RecordValue
{
public:
    RecordValue() = default;
    RecordValue(QString text, bool quoted, bool closed = true)
        : text_(std::move(text)), quoted_(quoted), closed_(closed)
    {}

    // The value's characters without quotes, as a bare value they are trimmed.
    const QString& text() const { return text_; }
    bool isQuoted() const { return quoted_; }
    // False for quoted text whose closing quote is missing: the content ended inside it.
    bool isClosed() const { return closed_; }

    // The number a bare value reads as; quoted text and anything else gives nothing.
    std::optional<double> toNumber() const;

private:
    QString text_;
    bool quoted_ = false;
    bool closed_ = true;
};

// Reads values one after another. A comma or a line end (CR LF, LF or CR) separates
// values; spaces around a bare value are skipped; a value that begins with a double
// quote runs to the next double quote, commas included.
class RecordReader
{
public:
    explicit RecordReader(QString content);

    // True when nothing but spaces and line ends is left.
    bool atEnd() const;

    // The next value, or nothing when the content is exhausted.
    std::optional<RecordValue> next();

private:
    void skipSpaces();
    void skipToNextValue();

    QString content_;
    qsizetype position_ = 0;
    // Where the trailing spaces and line ends begin, found once so that atEnd() is cheap.
    qsizetype significantEnd_ = 0;
};

// Builds one record: numbers bare, texts in double quotes, commas between, CR LF after.
class RecordWriter
{
public:
    RecordWriter& addNumber(double value);
    RecordWriter& addText(const QString& text);

    // The record with its CR LF.
    QString record() const { return line_ + QStringLiteral("\r\n"); }

private:
    void separate();

    QString line_;
    bool empty_ = true;
};

// A number as the record format writes it: whole values without a decimal point,
// fractions with a period, at most the digits a single-precision value holds.
QString formatRecordNumber(double value);
