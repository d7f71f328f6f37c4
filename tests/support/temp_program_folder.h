#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A throw-away program folder holding the settings files a test wants.
class TempProgramFolder
{
public:
    // Starts with the five settings files and the alarm file the program ships with.
    TempProgramFolder();

    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }

    void write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;
    void remove(const QString& name) const;

    // Every file's bytes, to check that nothing was written.
    QByteArray snapshot() const;

private:
    QTemporaryDir dir_;
};
