// The alarm loader: decoding (UTF-8, else CP932), the current and the older form, and the
// upgrade. What the upgrade writes reads back as the same table, and the file on disk is
// rewritten only when it is wholly in the older form.
#include "fuzz_support.h"
#include "storage/alarm_file.h"
#include "support/fake_platform.h"

#include <cstdint>

namespace {

AlarmTable sanitized(AlarmTable table)
{
    for (AlarmRecord& r : table) {
        for (QString* field : {&r.time, &r.enabled, &r.sound, &r.display, &r.message}) {
            *field = alarm_file::sanitize(*field);
        }
    }
    return table;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static FakePlatform platform(fuzzFolder().path());
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    const alarm_file::Parsed parsed = alarm_file::parse(alarm_file::decode(bytes));
    const alarm_file::Parsed again = alarm_file::parse(alarm_file::format(parsed.table, true));
    FUZZ_CHECK(!again.upgraded);
    FUZZ_CHECK(again.table == sanitized(parsed.table));

    const QString path = fuzzFolder().filePath(QString::fromLatin1(alarm_file::fileName));
    writeFuzzFile(path, bytes);
    FUZZ_CHECK(alarm_file::load(path, platform) == parsed.table);
    const QByteArray after = readFuzzFile(path);
    FUZZ_CHECK(after ==
               (parsed.upgraded ? alarm_file::encode(alarm_file::format(parsed.table, true)) : bytes));
    FUZZ_CHECK(platform.messages.empty());
    return 0;
}
