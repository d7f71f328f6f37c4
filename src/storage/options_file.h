#pragma once

#include "core/file_failure.h"

#include <QString>
#include <functional>
#include <optional>

class QSettings;

// The options file beside the six: what they have no place for, in Qt's INI format. Each
// group of options is a section of its own, read and rewritten by its own code through
// this class, so that a group joins without touching the others. Sections and keys the
// program does not know (a newer copy's) are written back as read.
class OptionsFile
{
public:
    static constexpr auto fileName = "options.ini";

    explicit OptionsFile(QString path);

    const QString& path() const { return path_; }

    // Hands `reader` the file's settings (none when there is no file yet), on a copy that
    // nothing is written from. Returns why the file could not be read; `reader` is then
    // not called.
    std::optional<FileFailure> read(const std::function<void(QSettings&)>& reader) const;

    // Replaces whatever the file holds under `section` with what `writer` puts there,
    // keeping the rest of the file, and writes the whole file at once: a failure leaves
    // the old one as it was.
    std::optional<FileFailure> rewrite(const QString& section,
                                       const std::function<void(QSettings&)>& writer) const;

private:
    QString path_;
};
