#include "storage/record.h"

#include <QLocale>
#include <charconv>
#include <cmath>

namespace {

bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

bool isSpace(QChar c)
{
    return c == u' ' || c == u'\t';
}

} // namespace

std::optional<double> RecordValue::toNumber() const
{
    if (quoted_ || text_.isEmpty()) {
        return std::nullopt;
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(text_, &ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

RecordReader::RecordReader(QString content) : content_(std::move(content)), significantEnd_(content_.size())
{
    while (significantEnd_ > 0 &&
           (isSpace(content_[significantEnd_ - 1]) || isLineEnd(content_[significantEnd_ - 1]))) {
        --significantEnd_;
    }
}

bool RecordReader::atEnd() const
{
    return position_ >= significantEnd_;
}

void RecordReader::skipSpaces()
{
    while (position_ < content_.size() && isSpace(content_[position_])) {
        ++position_;
    }
}

// Moves past the separator that ends the current value: a comma, or one line end.
void RecordReader::skipToNextValue()
{
    while (position_ < content_.size() && content_[position_] != u',' && !isLineEnd(content_[position_])) {
        ++position_;
    }
    if (position_ >= content_.size()) {
        return;
    }
    if (content_[position_] == u'\r' && position_ + 1 < content_.size() && content_[position_ + 1] == u'\n') {
        ++position_;
    }
    ++position_;
}

std::optional<RecordValue> RecordReader::next()
{
    skipSpaces();
    if (position_ >= content_.size()) {
        return std::nullopt;
    }
    if (content_[position_] == u'"') {
        const qsizetype start = position_ + 1;
        qsizetype close = content_.indexOf(u'"', start);
        const bool closed = close >= 0;
        if (!closed) {
            close = content_.size();
        }
        RecordValue value(content_.mid(start, close - start), true, closed);
        position_ = close + 1;
        skipToNextValue();
        return value;
    }
    const qsizetype start = position_;
    while (position_ < content_.size() && content_[position_] != u',' && !isLineEnd(content_[position_])) {
        ++position_;
    }
    RecordValue value(content_.mid(start, position_ - start).trimmed(), false);
    skipToNextValue();
    return value;
}

void RecordWriter::separate()
{
    if (!empty_) {
        line_ += u',';
    }
    empty_ = false;
}

RecordWriter& RecordWriter::addNumber(double value)
{
    separate();
    line_ += formatRecordNumber(value);
    return *this;
}

RecordWriter& RecordWriter::addText(const QString& text)
{
    separate();
    line_ += u'"' + text + u'"';
    return *this;
}

QString formatRecordNumber(double value)
{
    const float single = static_cast<float>(value);
    if (std::isfinite(single) && std::trunc(single) == single && std::fabs(single) < 1e15f) {
        return QString::number(static_cast<qint64>(single));
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, single);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}
