#include "storage/options_file.h"

#include "core/atomic_file.h"
#include "storage/stored_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>
#include <variant>

namespace {

// QSettings reads and writes only files of its own choosing, without saying why a write
// failed; so it works on a private copy, and the copy's bytes go to the real file
// through the program's own atomic write.
class WorkingCopy
{
public:
    explicit WorkingCopy(const QByteArray& content)
    {
        QFile file(path());
        ready_ = dir_.isValid() && file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
    }

    bool ready() const { return ready_; }
    QString path() const { return dir_.filePath(QString::fromLatin1(OptionsFile::fileName)); }

    std::optional<QByteArray> content() const
    {
        QFile file(path());
        if (!file.open(QIODevice::ReadOnly)) {
            return std::nullopt;
        }
        return file.readAll();
    }

private:
    QTemporaryDir dir_;
    bool ready_ = false;
};

// A working copy of the file as it is now (empty for a missing file), or why there is
// none: the file cannot be read, or the copy made (`cause`).
std::variant<std::unique_ptr<WorkingCopy>, FileFailure> workingCopy(const QString& path,
                                                                    FileFailure::Cause cause)
{
    const std::variant<QByteArray, FileFailure> content =
        QFileInfo::exists(path) ? readStoredFile(path) : std::variant<QByteArray, FileFailure>(QByteArray());
    if (const FileFailure* failure = std::get_if<FileFailure>(&content)) {
        return *failure;
    }
    auto copy = std::make_unique<WorkingCopy>(std::get<QByteArray>(content));
    if (!copy->ready()) {
        return FileFailure{path, cause};
    }
    return copy;
}

} // namespace

OptionsFile::OptionsFile(QString path) : path_(std::move(path)) {}

std::optional<FileFailure> OptionsFile::read(const std::function<void(QSettings&)>& reader) const
{
    const auto copy = workingCopy(path_, FileFailure::Cause::CannotRead);
    if (const FileFailure* failure = std::get_if<FileFailure>(&copy)) {
        return *failure;
    }
    QSettings settings(std::get<std::unique_ptr<WorkingCopy>>(copy)->path(), QSettings::IniFormat);
    reader(settings);
    return std::nullopt;
}

std::optional<FileFailure> OptionsFile::rewrite(const QString& section,
                                                const std::function<void(QSettings&)>& writer) const
{
    // A file that cannot be read is not written over: what it holds would be lost.
    const auto copy = workingCopy(path_, FileFailure::Cause::CannotWrite);
    if (const FileFailure* failure = std::get_if<FileFailure>(&copy)) {
        return *failure;
    }
    const WorkingCopy& working = *std::get<std::unique_ptr<WorkingCopy>>(copy);
    {
        QSettings settings(working.path(), QSettings::IniFormat);
        settings.remove(section);
        writer(settings);
        settings.sync();
        if (settings.status() != QSettings::NoError) {
            return FileFailure{path_, FileFailure::Cause::CannotWrite};
        }
    }
    const std::optional<QByteArray> written = working.content();
    if (!written) {
        return FileFailure{path_, FileFailure::Cause::CannotWrite};
    }
    return replaceFileContent(path_, *written);
}
