#include "platform/cp932.h"

#include <QStringDecoder>

// Qt's converters know CP932 through ICU.
std::optional<QString> decodeCp932(const QByteArray& bytes)
{
    QStringDecoder cp932("windows-31j");
    if (!cp932.isValid()) {
        return std::nullopt;
    }
    return cp932.decode(bytes);
}
