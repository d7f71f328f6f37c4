#include "core/artwork.h"
#include "platform/xdg/lazy_sound.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A player module that does not load is an audio output that is not there: no wave file
// plays, so the caller gives the standard sound, and a file is still judged by itself.
TEST(LazySound, WithoutItsModuleNothingPlaysAndFilesAreStillJudged)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString notALibrary = folder.filePath(QStringLiteral("libnekotokei-sound.so"));
    {
        QFile file(notALibrary);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a library");
    }
    const QString wave = artwork::resource(artwork::standardSound);
    const struct
    {
        const char* what;
        QStringList modulePaths;
    } cases[] = {
        {"no module anywhere", {folder.filePath(QStringLiteral("missing.so"))}},
        {"a module that is no library", {notALibrary}},
        {"a library without the player", {QStringLiteral("libQt6Core.so.6")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        LazySound sound(c.modulePaths);
        EXPECT_FALSE(sound.playWave(wave));
        EXPECT_FALSE(sound.playWave(wave)); // asked again, still nothing
        EXPECT_EQ(sound.checkWave(wave), std::nullopt);
        EXPECT_EQ(sound.checkWave(notALibrary), WaveProblem::NotWave);
        sound.beep(); // the desktop's bell
        sound.stop();
    }
}
