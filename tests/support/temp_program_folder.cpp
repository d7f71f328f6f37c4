#include "support/temp_program_folder.h"

#include <QDir>
#include <QFile>

TempProgramFolder::TempProgramFolder()
{
    write(QStringLiteral("fomit.zdt"), "1500,1500\r\n");
    write(QStringLiteral("set.zdt"), "1\r\n");
    write(QStringLiteral("set1.zdt"), "1,1\r\n");
    write(QStringLiteral("set2.zdt"), "0,5197647,255\r\n");
    write(QStringLiteral("set3.zdt"), "0,16777215,0,0,0,0,0,0,0,0\r\n");
    write(QStringLiteral("alm.zdt"), "");
}

void TempProgramFolder::write(const QString& name, const QByteArray& bytes) const
{
    QFile file(filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        qFatal("cannot write test file %s", qPrintable(filePath(name)));
    }
}

QByteArray TempProgramFolder::read(const QString& name) const
{
    QFile file(filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TempProgramFolder::remove(const QString& name) const
{
    QFile::remove(filePath(name));
}

QByteArray TempProgramFolder::snapshot() const
{
    QByteArray all;
    const QStringList names = QDir(path()).entryList(QDir::Files | QDir::NoSymLinks, QDir::Name);
    for (const QString& name : names) {
        all += name.toUtf8() + '\n' + read(name) + '\n';
    }
    return all;
}
