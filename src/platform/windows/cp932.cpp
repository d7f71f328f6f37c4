#include "platform/cp932.h"

#include <windows.h>

// Windows has the code page itself (Qt's converters would need ICU for it).
std::optional<QString> decodeCp932(const QByteArray& bytes)
{
    constexpr UINT cp932 = 932;
    if (bytes.isEmpty()) {
        return QString();
    }
    const int size = MultiByteToWideChar(cp932, 0, bytes.constData(), int(bytes.size()), nullptr, 0);
    if (size <= 0) {
        return std::nullopt;
    }
    QString text(size, Qt::Uninitialized);
    MultiByteToWideChar(cp932, 0, bytes.constData(), int(bytes.size()),
                        reinterpret_cast<wchar_t*>(text.data()), size);
    return text;
}
