#include "storage/options_file.h"

#include "core/atomic_file.h"
#include "storage/stored_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

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

// The file's bytes: none for a missing file, else the bytes or why they cannot be read.
std::variant<QByteArray, FileFailure> currentContent(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        return QByteArray();
    }
    return readStoredFile(path);
}

} // namespace

OptionsFile::OptionsFile(QString path) : path_(std::move(path)) {}

std::optional<FileFailure> OptionsFile::read(const std::function<void(QSettings&)>& reader) const
{
    const std::variant<QByteArray, FileFailure> content = currentContent(path_);
    if (const FileFailure* failure = std::get_if<FileFailure>(&content)) {
        return *failure;
    }
    const WorkingCopy copy(std::get<QByteArray>(content));
    if (!copy.ready()) {
        return FileFailure{path_, FileFailure::Cause::CannotRead};
    }
    QSettings settings(copy.path(), QSettings::IniFormat);
    reader(settings);
    return std::nullopt;
}

std::optional<FileFailure> OptionsFile::rewrite(const QString& section,
                                                const std::function<void(QSettings&)>& writer) const
{
    const std::variant<QByteArray, FileFailure> content = currentContent(path_);
    if (const FileFailure* failure = std::get_if<FileFailure>(&content)) {
        // Writing over a file that cannot be read would lose what it holds.
        return *failure;
    }
    const WorkingCopy copy(std::get<QByteArray>(content));
    if (!copy.ready()) {
        return FileFailure{path_, FileFailure::Cause::CannotWrite};
    }
    {
        QSettings settings(copy.path(), QSettings::IniFormat);
        settings.remove(section);
        writer(settings);
        settings.sync();
        if (settings.status() != QSettings::NoError) {
            return FileFailure{path_, FileFailure::Cause::CannotWrite};
        }
    }
    const std::optional<QByteArray> written = copy.content();
    if (!written) {
        return FileFailure{path_, FileFailure::Cause::CannotWrite};
    }
    return replaceFileContent(path_, *written);
}
