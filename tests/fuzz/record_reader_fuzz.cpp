// The value reader under every file: any content reads to its end, value by value, and a
// number as the writer formats it reads back as the same single-precision value.
#include "fuzz_support.h"
#include "storage/record.h"

#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString content = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    RecordReader reader(content);
    qsizetype values = 0;
    while (const std::optional<RecordValue> value = reader.next()) {
        FUZZ_CHECK(++values <= content.size()); // every value takes at least one character
        const std::optional<double> number = value->toNumber();
        if (number && std::fabs(*number) <= 3.4e38) {
            RecordReader again(RecordWriter().addNumber(*number).record());
            const std::optional<double> back = again.next()->toNumber();
            FUZZ_CHECK(back && float(*back) == float(*number));
            FUZZ_CHECK(!again.next() || again.atEnd());
        }
    }
    FUZZ_CHECK(reader.atEnd());
    return 0;
}
