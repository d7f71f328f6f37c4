#include "platform/single_instance.h"

#include <QDir>
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

        // The same folder, however its path is spelt.
        SingleInstance second(folder.path() + u"/../"_s + QDir(folder.path()).dirName());
        EXPECT_FALSE(second.claim());
        EXPECT_TRUE(forward.wait(5000));
        EXPECT_EQ(forward.count(), 1);

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
