#include "platform/single_instance.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(SingleInstance, OneClockPerFolderAskedForwardByTheNext)
{
    QTemporaryDir folder;
    QTemporaryDir otherFolder;
    {
        SingleInstance running(folder.path());
        ASSERT_TRUE(running.claim());
        QSignalSpy forward(&running, &SingleInstance::comeForwardRequested);

        // The same folder, however its path is spelt: through its parent, or through a
        // symbolic link to it (a link Qt makes on Windows is a shortcut file instead).
        QStringList spellings = {folder.path() + u"/../"_s + QDir(folder.path()).dirName()};
#ifndef Q_OS_WIN
        const QString link = otherFolder.filePath(u"link"_s);
        ASSERT_TRUE(QFile::link(folder.path(), link));
        spellings.append(link);
#endif
        for (const QString& spelling : spellings) {
            SingleInstance second(spelling);
            EXPECT_FALSE(second.claim()) << spelling.toStdString();
            EXPECT_TRUE(forward.wait(5000)) << spelling.toStdString();
        }
        EXPECT_EQ(forward.count(), spellings.size());

        SingleInstance other(otherFolder.path());
        EXPECT_TRUE(other.claim());
        // A folder nobody can write in (the lock lives elsewhere).
        SingleInstance readOnly(u"/proc"_s);
        EXPECT_TRUE(readOnly.claim());
    }
    // Nothing was written into the folder, and it is free again once its clock ends.
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    SingleInstance next(folder.path());
    EXPECT_TRUE(next.claim());
}

} // namespace
