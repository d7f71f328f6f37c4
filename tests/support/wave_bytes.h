#pragma once

#include <QByteArray>
#include <QtEndian>
#include <optional>

// Wave files byte by byte, as sound editors write them and as they get broken.
namespace wave_bytes {

inline QByteArray le16(quint16 value)
{
    QByteArray bytes(2, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

inline QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

// A chunk with its stated size (the body's unless given) and its pad byte.
inline QByteArray chunk(const char* id, const QByteArray& body, std::optional<quint32> statedSize = {})
{
    return QByteArray(id, 4) + le32(statedSize.value_or(quint32(body.size()))) + body +
           (body.size() % 2 ? QByteArray(1, '\0') : QByteArray());
}

inline QByteArray riff(const QByteArray& chunks)
{
    return "RIFF" + le32(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

struct Format
{
    quint16 tag = 1; // 1 integer PCM, 3 float, others compressed
    quint16 channels = 2;
    quint32 rate = 44100;
    quint16 bits = 16;
    std::optional<quint16> blockAlign{}; // the channels' bytes unless given
};

// The plain 16-byte format chunk.
inline QByteArray plainFormat(const Format& f)
{
    const quint16 align = f.blockAlign.value_or(quint16(f.channels * ((f.bits + 7) / 8)));
    return chunk("fmt ", le16(f.tag) + le16(f.channels) + le32(f.rate) + le32(f.rate * align) + le16(align) +
                             le16(f.bits));
}

// The extensible format chunk, as sox writes it for more than 16 bits or 2 channels,
// with `f.tag` as its subformat (of the standard GUID unless told otherwise).
inline QByteArray extensibleFormat(const Format& f, bool standardGuid = true)
{
    const quint16 align = quint16(f.channels * (f.bits / 8));
    const QByteArray guidTail =
        standardGuid ? QByteArray("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14)
                     : QByteArray(14, '\x5A');
    return chunk("fmt ", le16(0xFFFE) + le16(f.channels) + le32(f.rate) + le32(f.rate * align) + le16(align) +
                             le16(f.bits) + le16(22) + le16(f.bits) + le32(3) + le16(f.tag) + guidTail);
}

// A samples chunk of `bytes` bytes.
inline QByteArray samples(int bytes)
{
    return chunk("data", QByteArray(bytes, '\x01'));
}

} // namespace wave_bytes
