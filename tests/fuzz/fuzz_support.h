#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

// A finding: libFuzzer keeps the input that led here.
#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)

// The program folder the loaders read, in memory where the system has a memory file
// system: a target writes it thousands of times a second.
inline const QTemporaryDir& fuzzFolder()
{
    static const QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                          ? QStringLiteral("/dev/shm/nekotokei-fuzz-XXXXXX")
                                          : QDir::tempPath() + QStringLiteral("/nekotokei-fuzz-XXXXXX"));
    return folder;
}

inline void writeFuzzFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
}

inline QByteArray readFuzzFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
