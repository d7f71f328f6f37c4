#pragma once

#include <QString>

// Why a file could not be read or written: which file and the cause, for the windows to
// put into words.
struct FileFailure
{
    enum class Cause
    {
        Missing,
        NotRegularFile, // a folder, a pipe or a device where a file should be
        TooLarge,
        System, // the system refused; systemReason has its words
    };

    QString path{};
    Cause cause = Cause::System;
    QString systemReason{};

    friend bool operator==(const FileFailure&, const FileFailure&) = default;
};
