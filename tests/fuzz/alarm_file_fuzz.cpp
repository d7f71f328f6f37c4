// The alarm loader: decoding (UTF-8, else CP932), the current and the older form, and the
// upgrade. What the upgrade writes reads back as the same table, and the file on disk is
// rewritten only when it is wholly in the older form.
#include "fuzz_support.h"
#include "storage/alarm_file.h"

#include <cstdint>

namespace {

// The same alarm, but for what the file format cannot hold.
bool sameButSanitized(const Alarm& read, const Alarm& again)
{
    const auto sanitized = [](const std::optional<QString>& text) {
        return text ? std::optional<QString>(alarm_file::sanitize(*text)) : std::nullopt;
    };
    return again.at == read.at && again.enabled == read.enabled && again.showsMessage == read.showsMessage &&
           again.waveFile == sanitized(read.waveFile) && again.message == alarm_file::sanitize(read.message);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    const alarm_file::Parsed parsed = alarm_file::parse(alarm_file::decode(bytes));
    const QString upgraded = alarm_file::format(parsed.table, true);
    const alarm_file::Parsed again = alarm_file::parse(upgraded);
    FUZZ_CHECK(!again.upgraded);
    FUZZ_CHECK(again.table.size() == parsed.table.size());
    for (std::size_t i = 0; i < again.table.size() && i < parsed.table.size(); ++i) {
        FUZZ_CHECK(sameButSanitized(parsed.table[i], again.table[i]));
    }
    // What is written reads back as what writes the same again.
    FUZZ_CHECK(alarm_file::format(again.table, true) == upgraded);

    const QString path = fuzzFolder().filePath(QString::fromLatin1(alarm_file::fileName));
    writeFuzzFile(path, bytes);
    const alarm_file::Load load = alarm_file::load(path);
    FUZZ_CHECK(load.table == parsed.table);
    FUZZ_CHECK(!load.readFailure && !load.upgradeFailure);
    const QByteArray after = readFuzzFile(path);
    FUZZ_CHECK(after == (parsed.upgraded ? alarm_file::encode(upgraded) : bytes));
    return 0;
}
