#include "storage/record.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct ReadCase
{
    const char* name;
    QString content;
    int count;
    std::vector<QString> expectedTexts;
    std::vector<bool> expectedQuoted;

    friend void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }
};

std::vector<RecordValue> readValues(const QString& content, int count)
{
    RecordReader reader(content);
    std::vector<RecordValue> values;
    for (int i = 0; i < count; ++i) {
        const auto value = reader.next();
        if (!value) {
            break;
        }
        values.push_back(*value);
    }
    return values;
}

class RecordReading : public ::testing::TestWithParam<ReadCase>
{};

TEST_P(RecordReading, ReadsValuesInOrder)
{
    const ReadCase& c = GetParam();
    const std::vector<RecordValue> values = readValues(c.content, c.count);
    ASSERT_EQ(values.size(), c.expectedTexts.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(values[i].text(), c.expectedTexts[i]) << "value " << i;
        EXPECT_EQ(values[i].isQuoted(), c.expectedQuoted[i]) << "value " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RecordReading,
    ::testing::Values(
        ReadCase{"CommaAndCrLf", QStringLiteral("7680,4500\r\n"), 2, {u"7680"_s, u"4500"_s}, {false, false}},
        ReadCase{"SpacesAroundValues",
                 QStringLiteral("  7680 ,\t4500  \r\n"),
                 2,
                 {u"7680"_s, u"4500"_s},
                 {false, false}},
        ReadCase{"LineEndSeparatesLikeAComma",
                 QStringLiteral("1\r\n2\n3\r4"),
                 4,
                 {u"1"_s, u"2"_s, u"3"_s, u"4"_s},
                 {false, false, false, false}},
        ReadCase{"ExtraValuesAreLeft", QStringLiteral("1,2,3,4\r\n"), 2, {u"1"_s, u"2"_s}, {false, false}},
        ReadCase{"ShortFileEndsEarly",
                 QStringLiteral("2,255,1\r\n"),
                 10,
                 {u"2"_s, u"255"_s, u"1"_s},
                 {false, false, false}},
        ReadCase{"QuotedTextKeepsCommas",
                 QStringLiteral("\"a, b\",1,\"\"\r\n"),
                 3,
                 {u"a, b"_s, u"1"_s, QString()},
                 {true, false, true}},
        ReadCase{
            "EmptyBareValue", QStringLiteral("1,,3"), 3, {u"1"_s, QString(), u"3"_s}, {false, false, false}},
        ReadCase{"UnterminatedQuoteRunsToEnd", QStringLiteral("\"abc"), 2, {u"abc"_s}, {true}},
        ReadCase{"JapaneseText",
                 QStringLiteral("\"07:30\",1,\"標準\",\" 表示 \"\r\n"),
                 4,
                 {u"07:30"_s, u"1"_s, u"標準"_s, u" 表示 "_s},
                 {true, false, true, true}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RecordValue, ReadsNumbersOnlyFromBareNumericText)
{
    struct Case
    {
        RecordValue value;
        std::optional<double> number;
    };
    const Case cases[] = {
        {RecordValue(u"7680"_s, false), 7680},          {RecordValue(u"-15"_s, false), -15},
        {RecordValue(u"7680.5"_s, false), 7680.5},      {RecordValue(u"+3"_s, false), 3},
        {RecordValue(u"1e3"_s, false), 1000},           {RecordValue(u"abc"_s, false), std::nullopt},
        {RecordValue(u"12abc"_s, false), std::nullopt}, {RecordValue(QString(), false), std::nullopt},
        {RecordValue(u"7680"_s, true), std::nullopt},   {RecordValue(u"nan"_s, false), std::nullopt},
        {RecordValue(u"inf"_s, false), std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.value.toNumber(), c.number) << c.value.text().toStdString();
    }
}

TEST(RecordReader, AtEndIgnoresTrailingBlanksAndLineEnds)
{
    RecordReader reader(QStringLiteral("1\r\n \r\n"));
    EXPECT_FALSE(reader.atEnd());
    ASSERT_TRUE(reader.next());
    EXPECT_TRUE(reader.atEnd());
    EXPECT_TRUE(RecordReader(QString()).atEnd());
}

TEST(RecordWriter, WritesNumbersBareAndTextQuotedWithCrLf)
{
    EXPECT_EQ(RecordWriter().addNumber(7680).addNumber(-15).record(), u"7680,-15\r\n"_s);
    EXPECT_EQ(RecordWriter().addText(u"07:30"_s).addNumber(1).addText(u" 表示 "_s).record(),
              u"\"07:30\",1,\" 表示 \"\r\n"_s);
    EXPECT_EQ(RecordWriter().record(), u"\r\n"_s);
}

TEST(RecordWriter, FormatsNumbersAsSinglePrecision)
{
    const std::pair<double, const char*> cases[] = {
        {0, "0"},         {7680, "7680"},         {-15, "-15"}, {7680.5, "7680.5"},
        {-0.25, "-0.25"}, {16777215, "16777215"}, {0.1, "0.1"}, {1234.5678901, "1234.5679"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(formatRecordNumber(value), QString::fromLatin1(text)) << value;
    }
}

} // namespace
