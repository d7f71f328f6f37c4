#include "clock/form1.h"
#include "clock/window_outline.h"
#include "support/fake_platform.h"
#include "support/temp_program_folder.h"

#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class Form1StartUp : public ::testing::Test
{
protected:
    TempProgramFolder folder;
    FakePlatform platform{folder.path()};
};

TEST_F(Form1StartUp, ShowsTheChosenDesignAtTheStoredPositionInItsOutline)
{
    folder.write(u"fomit.zdt"_s, "7680,4500\r\n");
    folder.write(u"set3.zdt"_s, "4,16777215,0\r\n");
    Form1 clock(platform);

    ASSERT_TRUE(clock.start());

    EXPECT_TRUE(clock.isVisible());
    EXPECT_EQ(clock.pos(), QPoint(512, 300));
    EXPECT_EQ(clock.size(), QSize(115, 90));
    EXPECT_EQ(clock.Pic, clock.D_Pic[4]);
    EXPECT_EQ(clock.mask(), window_outline::outlineOf(clock.D_Pic[4]));
    EXPECT_FALSE(clock.mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Form1StartUp, EveryDesignHasItsOwnSizeAndOutline)
{
    for (int type = 0; type < cat_designs::count; ++type) {
        folder.write(u"set3.zdt"_s, QByteArray::number(type) + ",255,1\r\n");
        Form1 clock(platform);
        ASSERT_TRUE(clock.start());
        EXPECT_EQ(clock.size(), cat_designs::designs[std::size_t(type)].size) << type;
        EXPECT_EQ(clock.mask(), window_outline::outlineOf(clock.D_Pic[std::size_t(type)])) << type;
    }
}

TEST_F(Form1StartUp, AppliesTheStoredValues)
{
    folder.write(u"set.zdt"_s, "0\r\n");
    folder.write(u"set1.zdt"_s, "0,1\r\n");
    folder.write(u"set2.zdt"_s, "255,65280,16711680\r\n");
    folder.write(u"set3.zdt"_s, "6,0,2\r\n");
    Form1 clock(platform);

    ASSERT_TRUE(clock.start());

    EXPECT_EQ(clock.FomMae, 0);
    EXPECT_EQ(clock.SsHari, 0);
    EXPECT_EQ(clock.Task, 1);
    EXPECT_EQ(clock.PicH, 255u);
    EXPECT_EQ(clock.PicM, 65280u);
    EXPECT_EQ(clock.PicS, 16711680u);
    EXPECT_EQ(clock.DodaiPic, 6);
    EXPECT_EQ(clock.TimPcBGbase, 0xFFFFFFu); // a stored 0 shows white
    EXPECT_EQ(clock.CoronON, 2);
    EXPECT_EQ(clock.Fm3Show, 0);
}

TEST_F(Form1StartUp, UnknownDesignKeepsTheBareFirstPicture)
{
    folder.write(u"set3.zdt"_s, "7,255,1\r\n");
    Form1 clock(platform);

    ASSERT_TRUE(clock.start());

    EXPECT_EQ(clock.DodaiPic, 7);
    EXPECT_EQ(clock.Pic, clock.D_Pic[0]);
    EXPECT_EQ(clock.size(), QSize(85, 115));
    EXPECT_EQ(clock.face().composed().copy(0, 0, 85, 115), clock.D_Pic[0]);
}

TEST_F(Form1StartUp, StackingOrderFollowsTheSetting)
{
    struct Case
    {
        QByteArray stored;
        bool onTop;
    };
    for (const Case& c : {Case{"1\r\n", true}, Case{"0\r\n", false}, Case{"2\r\n", false}}) {
        folder.write(u"set.zdt"_s, c.stored);
        Form1 clock(platform);
        ASSERT_TRUE(clock.start());
        EXPECT_EQ(clock.windowFlags().testFlag(Qt::WindowStaysOnTopHint), c.onTop) << c.stored.constData();
        EXPECT_TRUE(clock.windowFlags().testFlag(Qt::FramelessWindowHint));
        EXPECT_TRUE(clock.isVisible());
    }
}

TEST_F(Form1StartUp, RefusesToStartOnABadSettingsFileAndWritesNothing)
{
    struct Case
    {
        const char* file;
        QByteArray content;
    };
    const Case cases[] = {{"fomit.zdt", ""},
                          {"set1.zdt", "1\r\n"},
                          {"set2.zdt", "0,black,255\r\n"},
                          {"set3.zdt", "99999,0,0\r\n"}};
    for (const Case& c : cases) {
        TempProgramFolder bad;
        bad.write(QString::fromLatin1(c.file), c.content);
        FakePlatform badPlatform(bad.path());
        const QByteArray before = bad.snapshot();
        {
            Form1 clock(badPlatform);
            EXPECT_FALSE(clock.start()) << c.file;
            EXPECT_FALSE(clock.isVisible());
        }
        EXPECT_EQ(bad.snapshot(), before) << c.file;
        ASSERT_EQ(badPlatform.messages.size(), 1u);
        EXPECT_TRUE(badPlatform.messages[0].text.contains(QString::fromLatin1(c.file)));
    }

    TempProgramFolder missing;
    missing.remove(u"set.zdt"_s);
    FakePlatform missingPlatform(missing.path());
    Form1 clock(missingPlatform);
    EXPECT_FALSE(clock.start());
    EXPECT_FALSE(clock.isVisible());
}

TEST_F(Form1StartUp, KeepsPositionsPartlyOnScreenAndRescuesLostOnes)
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    folder.write(u"fomit.zdt"_s, "-300,-450\r\n");
    {
        Form1 clock(platform);
        ASSERT_TRUE(clock.start());
        EXPECT_EQ(clock.pos(), QPoint(-20, -30));
    }
    folder.write(u"fomit.zdt"_s, "-300000,900000\r\n");
    {
        Form1 clock(platform);
        ASSERT_TRUE(clock.start());
        EXPECT_EQ(clock.pos(), QPoint(available.left(), available.bottom() + 1 - clock.height()));
    }
}

} // namespace
