#include "clock/form1.h"
#include "settings_ui/colon_blink_button.h"
#include "settings_ui/form3.h"
#include "settings_ui/marker_frame.h"
#include "support/clicks.h"
#include "support/fake_platform.h"
#include "support/temp_program_folder.h"

#include <QLabel>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using clicks::click;
using clicks::moveTo;

namespace {

class SettingsWindow : public ::testing::Test
{
protected:
    void open(const QByteArray& set = "1\r\n", const QByteArray& set1 = "1,0\r\n",
              const QByteArray& set3 = "0,255,0\r\n")
    {
        folder.write(u"set.zdt"_s, set);
        folder.write(u"set1.zdt"_s, set1);
        folder.write(u"set3.zdt"_s, set3);
        ASSERT_TRUE(clock.start());
        clock.setEnabled(false);
        clock.Fm3Show = 1;
        form3 = Form3::open(clock);
    }

    void TearDown() override { delete clock.windows.form3.data(); }

    TempProgramFolder folder;
    FakePlatform platform{folder.path()};
    Form1 clock{platform};
    Form3* form3 = nullptr;
};

TEST_F(SettingsWindow, IsLaidOutAsDesigned)
{
    open();
    EXPECT_EQ(form3->size(), QSize(452, 282));
    EXPECT_EQ(form3->windowTitle(), u"設定"_s);
    EXPECT_EQ(form3->Btn_Close3->geometry(), QRect(384, 232, 55, 40));
    EXPECT_EQ(form3->Set1a->geometry(), QRect(130, 56, 44, 44));
    EXPECT_EQ(form3->BtnSet1_a->geometry(), QRect(2, 2, 40, 40));
    EXPECT_EQ(form3->TypeSetA->geometry(), QRect(8, 176, 353, 73));
    EXPECT_EQ(form3->Btn_StartUp_Off->geometry(), QRect(396, 58, 40, 40));
    EXPECT_EQ(form3->Btn_Close3->toolTip(), u"閉じる"_s);
    EXPECT_EQ(form3->TskN->toolTip(), u"タスクトレイアイコン削除"_s);
    EXPECT_TRUE(form3->Label1->text().isEmpty());
    EXPECT_TRUE(form3->Label6->text().isEmpty());
}

TEST_F(SettingsWindow, TitleAndPanelFollowTheCatType)
{
    struct Case
    {
        QByteArray set3;
        QString title;
        bool analog;
        bool digital;
    };
    const Case cases[] = {
        {"3,255,0\r\n", u"Type A01 カスタマイズ"_s, true, false},
        {"2,255,1\r\n", u"Type A03 カスタマイズ"_s, false, true},
        {"6,255,1\r\n", u"Type B03 カスタマイズ"_s, false, true},
        {"7,255,1\r\n", QString(), true, true}, // unknown: both panels, no title
    };
    for (const Case& c : cases) {
        TempProgramFolder folder;
        folder.write(u"set3.zdt"_s, c.set3);
        FakePlatform platform(folder.path());
        Form1 clock(platform);
        ASSERT_TRUE(clock.start());
        Form3* window = Form3::open(clock);
        EXPECT_EQ(window->Label5->text(), c.title) << c.set3.constData();
        EXPECT_EQ(window->TypeSetA->isVisible(), c.analog) << c.set3.constData();
        EXPECT_EQ(window->TypeSetD->isVisible(), c.digital) << c.set3.constData();
        delete window;
    }
}

TEST_F(SettingsWindow, FramesShowTheCurrentChoicesAndBothForOddValues)
{
    open("2\r\n", "0,1\r\n", "2,255,1\r\n");
    EXPECT_TRUE(form3->Set1a->isSelected());
    EXPECT_TRUE(form3->Set1b->isSelected());
    EXPECT_FALSE(form3->SsY->isSelected());
    EXPECT_TRUE(form3->SsN->isSelected());
    EXPECT_TRUE(form3->TskY->isSelected());
    EXPECT_FALSE(form3->TskN->isSelected());
    EXPECT_TRUE(form3->ColonOff->isSelected());
    EXPECT_FALSE(form3->ColonOn->isSelected());
}

struct Choice
{
    const char* name;
    ImageButton* Form3::*button;
    MarkerFrame* Form3::*selected;
    MarkerFrame* Form3::*unselected;
    const char* file;
    QByteArray bytes;

    friend void PrintTo(const Choice& c, std::ostream* os) { *os << c.name; }
};

class SettingsChoice : public SettingsWindow, public ::testing::WithParamInterface<Choice>
{};

TEST_P(SettingsChoice, FramesTheChoiceAndWritesItsFileAtOnce)
{
    const Choice& c = GetParam();
    open("2\r\n", "2,0\r\n", "0,255,2\r\n");
    click(form3->*c.button);
    EXPECT_TRUE((form3->*c.selected)->isSelected());
    EXPECT_FALSE((form3->*c.unselected)->isSelected());
    EXPECT_EQ(folder.read(QString::fromLatin1(c.file)), c.bytes);
    EXPECT_EQ(form3->BtnDown, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, SettingsChoice,
    ::testing::Values(
        Choice{"InFront", &Form3::BtnSet1_a, &Form3::Set1a, &Form3::Set1b, "set.zdt", "1\r\n"},
        Choice{"Behind", &Form3::BtnSet1_b, &Form3::Set1b, &Form3::Set1a, "set.zdt", "0\r\n"},
        Choice{"SecondHand", &Form3::Btn_SsOn, &Form3::SsY, &Form3::SsN, "set1.zdt", "1,0\r\n"},
        Choice{"NoSecondHand", &Form3::Btn_SsOff, &Form3::SsN, &Form3::SsY, "set1.zdt", "0,0\r\n"},
        Choice{"TrayIcon", &Form3::Btn_TaskOn, &Form3::TskY, &Form3::TskN, "set1.zdt", "2,1\r\n"},
        Choice{"NoTrayIcon", &Form3::Btn_TaskOff, &Form3::TskN, &Form3::TskY, "set1.zdt", "2,0\r\n"},
        Choice{"SteadyColon", &Form3::Btn_ColonOff, &Form3::ColonOff, &Form3::ColonOn, "set3.zdt",
               "0,255,1,0,0,0,0,0,0,0\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsWindow, ChoicesReachTheClockAtOnce)
{
    open("0\r\n", "1,0\r\n");
    click(form3->BtnSet1_a);
    EXPECT_EQ(clock.FomMae, 1);
    EXPECT_TRUE(clock.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(clock.isVisible());
    click(form3->BtnSet1_b);
    EXPECT_EQ(clock.FomMae, 0);
    EXPECT_FALSE(clock.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    click(form3->Btn_SsOff);
    EXPECT_EQ(clock.SsHari, 0);
    click(form3->Btn_TaskOn);
    click(form3->Btn_TaskOn);
    EXPECT_EQ(clock.Task, 1);
    EXPECT_EQ(platform.trayIconAdds, 2);
    EXPECT_TRUE(platform.trayIconShown);
    click(form3->Btn_TaskOff);
    EXPECT_EQ(clock.Task, 0);
    EXPECT_FALSE(platform.trayIconShown);
    EXPECT_EQ(folder.read(u"set2.zdt"_s), "0,5197647,255\r\n");
}

TEST_F(SettingsWindow, ColonBlinkChoiceWritesTheDigitalSettings)
{
    open("1\r\n", "1,0\r\n", "2,0,1\r\n");
    click(form3->Btn_ColonOn);
    EXPECT_EQ(clock.CoronON, 0);
    EXPECT_TRUE(form3->ColonOn->isSelected());
    // The stored black digital colour comes back as white.
    EXPECT_EQ(folder.read(u"set3.zdt"_s), "2,16777215,0,0,0,0,0,0,0,0\r\n");
}

TEST_F(SettingsWindow, HelpTextFollowsThePointer)
{
    open();
    moveTo(form3->Btn_TaskOn, {5, 5});
    EXPECT_EQ(
        form3->Label6->text(),
        u"タスクトレイにぽてりんのアイコンを表示させます。\nアイコンをクリックするとメニューが表示されます。"_s);
    moveTo(form3->Btn_TaskOn, {-20, 5});
    EXPECT_TRUE(form3->Label6->text().isEmpty());
    moveTo(form3->Btn_StartUp_On, {5, 5});
    EXPECT_EQ(form3->Label6->text(),
              u"スタートアップにぽてりんを登録します。\nWindows起動時に自動的にぽてりんが起動します。"_s);
    moveTo(form3->Btn_SsOn, {5, 5});
    EXPECT_EQ(form3->Label1->text(), u"秒針を表示するようにします。"_s);
    moveTo(form3->Btn_Hari, {5, 5});
    EXPECT_EQ(form3->Label1->text(), u"長針、短針、秒針の色を変更します。"_s);
    // The background leaves the labels alone.
    moveTo(form3, {300, 270});
    EXPECT_EQ(form3->Label1->text(), u"長針、短針、秒針の色を変更します。"_s);
}

TEST_F(SettingsWindow, ColonButtonBlinksItsPicturesWhileHoveredAndPressed)
{
    open("1\r\n", "1,0\r\n", "2,255,1\r\n");
    const ButtonFace a = ButtonFace::load(u"ColonA"_s);
    const ButtonFace b = ButtonFace::load(u"ColonB"_s);
    const auto shows = [&](const QPixmap& expected) {
        return form3->Btn_ColonOn->picture().toImage() == expected.toImage();
    };
    moveTo(form3->Btn_ColonOn, {5, 5});
    EXPECT_EQ(form3->ColonHover, 1);
    const QPixmap hover[] = {a.hover, a.hover, b.hover, b.hover};
    for (int tick = 1; tick <= 8; ++tick) {
        form3->colonTick();
        EXPECT_TRUE(shows(hover[tick % 4])) << tick;
    }
    QTest::mousePress(form3->Btn_ColonOn, Qt::LeftButton, {}, {5, 5});
    const QPixmap pressed[] = {a.pressed, a.pressed, b.pressed, b.pressed};
    for (int tick = 1; tick <= 4; ++tick) {
        form3->colonTick();
        EXPECT_TRUE(shows(pressed[tick % 4])) << tick;
    }
    // Off the button the next tick shows the plain picture of the set.
    moveTo(form3->Btn_ColonOn, {-10, 5}, Qt::LeftButton);
    EXPECT_EQ(form3->ColonHover, 0);
    form3->colonTick();
    EXPECT_TRUE(shows(a.normal)); // phase 1: the set with the colon
}

TEST_F(SettingsWindow, StartUpButtonsReportTheOutcome)
{
    open();
    struct Step
    {
        ImageButton* Form3::*button;
        bool usable;
        QString message;
    };
    const Step steps[] = {
        {&Form3::Btn_StartUp_On, true, u"登録が完了しました。"_s},
        {&Form3::Btn_StartUp_On, true, u"登録が完了しました。"_s},
        {&Form3::Btn_StartUp_Off, true, u"削除が完了しました。"_s},
        {&Form3::Btn_StartUp_Off, true,
         u"ショートカットが削除できませんでした。\r\nもしくはすでにファイルは削除されています。"_s},
        {&Form3::Btn_StartUp_On, false, u"ショートカットが作成できませんでした。"_s},
    };
    for (const Step& step : steps) {
        platform.startupFolderUsable = step.usable;
        platform.messages.clear();
        click(form3->*step.button);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, step.message);
        EXPECT_TRUE(platform.messages[0].caption.isEmpty());
        EXPECT_EQ((form3->*step.button)->look(), ImageButton::Look::Normal);
        EXPECT_TRUE(form3->Label6->text().isEmpty());
    }
}

TEST_F(SettingsWindow, ClosingEnablesTheClock)
{
    open();
    click(form3->Btn_Close3);
    EXPECT_TRUE(clock.isEnabled());
    EXPECT_EQ(clock.Fm3Show, 0);
    EXPECT_FALSE(form3->isVisible());
}

TEST_F(SettingsWindow, ChoicesSurviveARestart)
{
    open("0\r\n", "1,0\r\n", "2,255,1\r\n");
    click(form3->BtnSet1_a);
    click(form3->Btn_SsOff);
    click(form3->Btn_ColonOn);
    FakePlatform again(folder.path());
    Form1 restarted(again);
    ASSERT_TRUE(restarted.start());
    EXPECT_EQ(restarted.FomMae, 1);
    EXPECT_EQ(restarted.SsHari, 0);
    EXPECT_EQ(restarted.CoronON, 0);
}

} // namespace
