#include "core/artwork.h"
#include "platform/app_identity.h"
#include "support/accessibility_events.h"
#include "support/clicks.h"
#include "support/program_test.h"
#include "support/windows.h"
#include "ui/colon_blink_button.h"
#include "ui/desktop_words.h"
#include "ui/settings_layout.h"
#include "ui/settings_window.h"
#include "widgets/choice_frame.h"
#include "widgets/picture_button.h"

#include <QLabel>
#include <QTimer>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using clicks::click;
using clicks::moveTo;

namespace {

class SettingsWindowTest : public ProgramTest
{
protected:
    void open(const QByteArray& set = "1\r\n", const QByteArray& set1 = "1,0\r\n",
              const QByteArray& set3 = "0,255,0\r\n")
    {
        folder.write(u"set.zdt"_s, set);
        folder.write(u"set1.zdt"_s, set1);
        folder.write(u"set3.zdt"_s, set3);
        ASSERT_TRUE(app.start());
        window = dialogs.openSettings();
    }

    ImageButton* button(const char* name) const { return child<ImageButton>(window, name); }
    ChoiceFrame* frame(const char* name) const { return child<ChoiceFrame>(window, name); }
    QString helpText() const { return child<QLabel>(window, "helpText")->text(); }
    QString panelHelpText() const { return child<QLabel>(window, "panelHelpText")->text(); }
    // One tick of the window's timer, which steps the colon button's animation.
    void tick() const { QMetaObject::invokeMethod(child<QTimer>(window, "colonTimer"), "timeout"); }

    SettingsWindow* window = nullptr;
};

TEST_F(SettingsWindowTest, IsLaidOutAsDesigned)
{
    open();
    EXPECT_EQ(window->size(), QSize(452, 282));
    EXPECT_EQ(window->windowTitle(), u"設定"_s);
    EXPECT_EQ(button("closeButton")->geometry(), QRect(384, 232, 55, 40));
    EXPECT_EQ(frame("alwaysOnTopFrame")->geometry(), QRect(130, 56, 44, 44));
    EXPECT_EQ(button("alwaysOnTopButton")->geometry(), QRect(2, 2, 40, 40));
    EXPECT_EQ(child(window, "analogPanel")->geometry(), QRect(8, 176, 353, 73));
    EXPECT_EQ(frame("unregisterStartupFrame")->geometry(), QRect(394, 56, 44, 44));
    EXPECT_EQ(button("closeButton")->toolTip(), u"閉じる"_s);
    EXPECT_EQ(frame("trayIconOffFrame")->toolTip(), u"タスクトレイアイコン削除"_s);
    EXPECT_TRUE(panelHelpText().isEmpty());
    EXPECT_TRUE(helpText().isEmpty());
}

// Each group's words stand centred under its buttons and clear of the lines on either side,
// on the analog and on the digital panel: as the screen shows them.
TEST_F(SettingsWindowTest, CaptionsStandCentredUnderTheirButtonsClearOfTheLines)
{
    open();
    for (const DesignIndex design : {DesignIndex{0}, DesignIndex{2}}) {
        model.setDesign(design);
        const QImage shown = window->grab().toImage();
        for (const settings_layout::Caption& caption : settings_layout::captions) {
            const char* panel = caption.parent == settings_layout::Parent::AnalogPanel    ? "analogPanel"
                                : caption.parent == settings_layout::Parent::DigitalPanel ? "digitalPanel"
                                                                                          : nullptr;
            QWidget* parent = panel ? child(window, panel) : window;
            if (!parent->isVisible()) {
                continue;
            }
            const QRect box = caption.box.translated(parent->mapTo(window, QPoint()));
            // The lines beside the caption, and the buttons above it.
            int leftLine = 0;
            int rightLine = window->width();
            for (const settings_layout::Separator& line : settings_layout::separators) {
                const int x = line.from.x() + box.left() - caption.box.left();
                if (line.parent == caption.parent && line.from.x() == line.to.x() &&
                    line.to.y() > caption.box.top()) {
                    (x < box.center().x() ? leftLine : rightLine) =
                        x < box.center().x() ? std::max(leftLine, x + 1) : std::min(rightLine, x);
                }
            }
            int buttonsLeft = window->width();
            int buttonsRight = 0;
            for (QWidget* control : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                const QRect at = control->geometry().translated(parent->mapTo(window, QPoint()));
                if ((dynamic_cast<ChoiceFrame*>(control) || qobject_cast<ImageButton*>(control)) &&
                    at.right() >= box.left() && at.left() <= box.right() && at.bottom() < box.top()) {
                    buttonsLeft = std::min(buttonsLeft, at.left());
                    buttonsRight = std::max(buttonsRight, at.right() + 1);
                }
            }
            int inkLeft = rightLine;
            int inkRight = leftLine;
            for (int x = leftLine + 1; x < rightLine; ++x) {
                for (int y = box.top(); y <= box.bottom(); ++y) {
                    if (shown.pixelColor(x, y).lightness() > 160) {
                        inkLeft = std::min(inkLeft, x);
                        inkRight = std::max(inkRight, x + 1);
                    }
                }
            }
            const std::string name = caption.text;
            ASSERT_LT(inkLeft, inkRight) << name;
            EXPECT_LE(std::abs((inkLeft + inkRight) - (buttonsLeft + buttonsRight)), 3) << name;
            EXPECT_GE(inkLeft - leftLine, 3) << name;
            EXPECT_GE(rightLine - inkRight, 3) << name;
        }
    }
}

TEST_F(SettingsWindowTest, TitleAndPanelFollowTheDesign)
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
    };
    for (const Case& c : cases) {
        TempProgramFolder folder;
        folder.write(u"set3.zdt"_s, c.set3);
        FakeDesktop desktop(folder.path());
        Application app(desktop.parts());
        ASSERT_TRUE(app.start());
        SettingsWindow* settings = app.dialogs().openSettings();
        EXPECT_EQ(child<QLabel>(settings, "designTitle")->text(), c.title) << c.set3.constData();
        EXPECT_EQ(child(settings, "analogPanel")->isVisible(), c.analog) << c.set3.constData();
        EXPECT_EQ(child(settings, "digitalPanel")->isVisible(), c.digital) << c.set3.constData();
    }
}

// A stored value that is neither choice (stacking 2) frames both and checks neither: a
// screen reader hears two options, neither of them the current one.
TEST_F(SettingsWindowTest, FramesShowTheCurrentChoicesAndBothForOddValues)
{
    open("2\r\n", "0,1\r\n", "2,255,1\r\n");
    const struct
    {
        const char* option;
        bool framed;
        bool checked;
    } shown[] = {
        {"alwaysOnTop", true, false},  {"normalStacking", true, false}, {"secondHandOn", false, false},
        {"secondHandOff", true, true}, {"trayIconOn", true, true},      {"trayIconOff", false, false},
        {"colonSteady", true, true},   {"colonBlink", false, false},
    };
    for (const auto& s : shown) {
        const std::string name = s.option;
        EXPECT_EQ(frame((name + "Frame").c_str())->isSelected(), s.framed) << name;
        EXPECT_EQ(button((name + "Button").c_str())->isChecked(), s.checked) << name;
    }
}

// The two options of a pair are one group: the arrow keys move between them without
// choosing, Space and Return choose (the file is written at once), and a screen reader
// is told of each check that changes.
TEST_F(SettingsWindowTest, ArrowKeysMoveWithinAPairAndSpaceOrReturnChooses)
{
    open("0\r\n");
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    ImageButton* inFront = button("alwaysOnTopButton");
    ImageButton* normal = button("normalStackingButton");
    inFront->setFocus(Qt::TabFocusReason);
    AccessibilityEvents heard;
    const struct
    {
        Qt::Key key;
        ImageButton* focused;
        Stacking stacking;
    } steps[] = {
        {Qt::Key_Right, normal, Stacking::Normal},  {Qt::Key_Right, normal, Stacking::Normal},
        {Qt::Key_Left, inFront, Stacking::Normal},  {Qt::Key_Return, inFront, Stacking::InFront},
        {Qt::Key_Down, normal, Stacking::InFront},  {Qt::Key_Space, normal, Stacking::Normal},
        {Qt::Key_Up, inFront, Stacking::Normal},    {Qt::Key_Space, inFront, Stacking::InFront},
        {Qt::Key_Right, normal, Stacking::InFront}, {Qt::Key_Enter, normal, Stacking::Normal},
    };
    Stacking before = model.settings().alwaysOnTop;
    for (const auto& step : steps) {
        SCOPED_TRACE(QKeySequence(step.key).toString().toStdString());
        QTest::keyClick(QApplication::focusWidget(), step.key);
        EXPECT_EQ(QApplication::focusWidget(), step.focused);
        EXPECT_EQ(model.settings().alwaysOnTop, step.stacking);
        const bool chosenInFront = step.stacking == Stacking::InFront;
        EXPECT_EQ(folder.read(u"set.zdt"_s), chosenInFront ? "1\r\n" : "0\r\n");
        EXPECT_EQ(frame("alwaysOnTopFrame")->isSelected(), chosenInFront);
        EXPECT_EQ(frame("normalStackingFrame")->isSelected(), !chosenInFront);
        for (ImageButton* option : {inFront, normal}) {
            QAccessibleInterface* read = QAccessible::queryAccessibleInterface(option);
            EXPECT_EQ(read->role(), QAccessible::RadioButton);
            EXPECT_EQ(read->state().checked, (option == inFront) == chosenInFront);
        }
        const QList<QObject*> told = heard.takeCheckedChanges();
        if (step.stacking == before) {
            EXPECT_TRUE(told.isEmpty());
        } else {
            EXPECT_THAT(told, ::testing::UnorderedElementsAre(inFront, normal));
        }
        // Orca speaks a new check after Space only: after Return the window announces it.
        const bool byReturn = step.key == Qt::Key_Return || step.key == Qt::Key_Enter;
        QStringList announced;
        for (const AccessibilityEvents::Event& event : heard.take({QAccessible::ObjectShow})) {
            announced << event.said;
        }
        EXPECT_EQ(announced, byReturn && step.stacking != before
                                 ? QStringList{step.focused->accessibleName() + PictureButton::chosenWords}
                                 : QStringList());
        before = step.stacking;
    }
}

struct Choice
{
    const char* name;
    const char* button;
    const char* selected;
    const char* unselected;
    const char* file;
    QByteArray bytes;

    friend void PrintTo(const Choice& c, std::ostream* os) { *os << c.name; }
};

class SettingsChoice : public SettingsWindowTest, public ::testing::WithParamInterface<Choice>
{};

TEST_P(SettingsChoice, FramesTheChoiceAndWritesItsFileAtOnce)
{
    const Choice& c = GetParam();
    open("2\r\n", "2,0\r\n", "0,255,2\r\n");
    click(button(c.button));
    EXPECT_TRUE(frame(c.selected)->isSelected());
    EXPECT_FALSE(frame(c.unselected)->isSelected());
    EXPECT_EQ(folder.read(QString::fromLatin1(c.file)), c.bytes);
    // Clicked, it is held no more: over it again it shows its hover picture.
    clicks::moveTo(button(c.button), QPoint(5, 5));
    EXPECT_EQ(button(c.button)->look(), ImageButton::Look::Hover);
}

INSTANTIATE_TEST_SUITE_P(Buttons, SettingsChoice,
                         ::testing::Values(Choice{"InFront", "alwaysOnTopButton", "alwaysOnTopFrame",
                                                  "normalStackingFrame", "set.zdt", "1\r\n"},
                                           Choice{"Behind", "normalStackingButton", "normalStackingFrame",
                                                  "alwaysOnTopFrame", "set.zdt", "0\r\n"},
                                           Choice{"SecondHand", "secondHandOnButton", "secondHandOnFrame",
                                                  "secondHandOffFrame", "set1.zdt", "1,0\r\n"},
                                           Choice{"NoSecondHand", "secondHandOffButton", "secondHandOffFrame",
                                                  "secondHandOnFrame", "set1.zdt", "0,0\r\n"},
                                           Choice{"TrayIcon", "trayIconOnButton", "trayIconOnFrame",
                                                  "trayIconOffFrame", "set1.zdt", "2,1\r\n"},
                                           Choice{"NoTrayIcon", "trayIconOffButton", "trayIconOffFrame",
                                                  "trayIconOnFrame", "set1.zdt", "2,0\r\n"},
                                           Choice{"SteadyColon", "colonSteadyButton", "colonSteadyFrame",
                                                  "colonBlinkFrame", "set3.zdt",
                                                  "0,255,1,0,0,0,0,0,0,0\r\n"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsWindowTest, ChoicesReachTheClockAtOnce)
{
    open("0\r\n", "1,0\r\n");
    click(button("alwaysOnTopButton"));
    EXPECT_EQ(model.settings().alwaysOnTop, Stacking::InFront);
    EXPECT_TRUE(clock.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(clock.isVisible());
    click(button("normalStackingButton"));
    EXPECT_EQ(model.settings().alwaysOnTop, Stacking::Normal);
    EXPECT_FALSE(clock.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    click(button("secondHandOffButton"));
    EXPECT_FALSE(model.settings().secondHand);
    click(button("trayIconOnButton"));
    click(button("trayIconOnButton"));
    EXPECT_TRUE(model.settings().trayIcon);
    EXPECT_EQ(desktop.shell.trayIconAdds, 2);
    EXPECT_TRUE(desktop.shell.trayIconShown);
    click(button("trayIconOffButton"));
    EXPECT_FALSE(model.settings().trayIcon);
    EXPECT_FALSE(desktop.shell.trayIconShown);
    EXPECT_EQ(folder.read(u"set2.zdt"_s), "0,5197647,255\r\n");
}

TEST_F(SettingsWindowTest, ColonBlinkChoiceWritesTheDigitalSettings)
{
    open("1\r\n", "1,0\r\n", "2,0,1\r\n");
    click(button("colonBlinkButton"));
    EXPECT_EQ(model.settings().colonStyle, ColonStyle::Blinking);
    EXPECT_TRUE(frame("colonBlinkFrame")->isSelected());
    // The stored black read-out colour comes back as white.
    EXPECT_EQ(folder.read(u"set3.zdt"_s), "2,16777215,0,0,0,0,0,0,0,0\r\n");
}

TEST_F(SettingsWindowTest, HelpTextFollowsThePointer)
{
    open();
    moveTo(button("trayIconOnButton"), {5, 5});
    EXPECT_EQ(
        helpText(),
        u"タスクトレイにぽてりんのアイコンを表示させます。\nアイコンをクリックするとメニューが表示されます。"_s);
    moveTo(button("trayIconOnButton"), {-20, 5});
    EXPECT_TRUE(helpText().isEmpty());
    moveTo(button("registerStartupButton"), {5, 5});
    EXPECT_EQ(helpText(), QString(desktop_words::startupRegistrationHelp(DesktopFamily::Freedesktop))
                              .replace(u"\r\n"_s, u"\n"_s));
    moveTo(button("secondHandOnButton"), {5, 5});
    EXPECT_EQ(panelHelpText(), u"秒針を表示するようにします。"_s);
    moveTo(button("handColourButton"), {5, 5});
    EXPECT_EQ(panelHelpText(), u"長針、短針、秒針の色を変更します。"_s);
    // The background leaves the labels alone.
    moveTo(window, {300, 270});
    EXPECT_EQ(panelHelpText(), u"長針、短針、秒針の色を変更します。"_s);
}

TEST_F(SettingsWindowTest, ColonButtonBlinksItsPicturesWhileHoveredAndPressed)
{
    open("1\r\n", "1,0\r\n", "2,255,1\r\n");
    const ButtonFace a = ButtonFace::load(artwork::face::colonShown);
    const ButtonFace b = ButtonFace::load(artwork::face::colonHidden);
    ImageButton* colonBlink = button("colonBlinkButton");
    const auto shows = [&](const ScaledPicture& expected) {
        return colonBlink->picture().toImage() == expected.at(1).toImage();
    };
    moveTo(colonBlink, {5, 5});
    const ScaledPicture hover[] = {a.hover, a.hover, b.hover, b.hover};
    for (int step = 1; step <= 8; ++step) {
        tick();
        EXPECT_TRUE(shows(hover[step % 4])) << step;
    }
    QTest::mousePress(colonBlink, Qt::LeftButton, {}, {5, 5});
    const ScaledPicture pressed[] = {a.pressed, a.pressed, b.pressed, b.pressed};
    for (int step = 1; step <= 4; ++step) {
        tick();
        EXPECT_TRUE(shows(pressed[step % 4])) << step;
    }
    // Off the button the next tick shows the plain picture of the set.
    moveTo(colonBlink, {-10, 5}, Qt::LeftButton);
    tick();
    EXPECT_TRUE(shows(a.normal)); // phase 1: the set with the colon
}

// The start-up buttons say how it went, in the words of the desktop's start-up, and their
// frames show whether the desktop starts this copy at log-on, as the desktop says it.
TEST_F(SettingsWindowTest, StartUpButtonsReportTheOutcomeAndFrameWhatTheDesktopDoes)
{
    const QString notCreated = u"(not created)"_s; // stands for the desktop's words below
    const QString notDeleted = u"(not deleted)"_s;
    desktop.shell.startupRegistered = true; // registered before the window opened
    open();
    const auto registered = [this] {
        EXPECT_NE(frame("registerStartupFrame")->isSelected(), frame("unregisterStartupFrame")->isSelected());
        return frame("registerStartupFrame")->isSelected();
    };
    EXPECT_TRUE(registered());
    EXPECT_EQ(frame("registerStartupFrame")->geometry(), QRect(346, 56, 44, 44));
    EXPECT_EQ(button("registerStartupButton")->geometry(), QRect(2, 2, 40, 40));
    struct Step
    {
        const char* button;
        bool usable;
        QString message;
        bool registered;
    };
    const Step steps[] = {
        {"unregisterStartupButton", true, u"削除が完了しました。"_s, false},
        {"unregisterStartupButton", true, notDeleted, false},
        {"registerStartupButton", true, u"登録が完了しました。"_s, true},
        {"registerStartupButton", true, u"登録が完了しました。"_s, true},
        {"unregisterStartupButton", false, notDeleted, true},
        {"registerStartupButton", false, notCreated, true},
    };
    // What failed is said in the words of the desktop the clock runs on.
    struct Failure
    {
        DesktopFamily family;
        QString notCreated;
        QString notDeleted;
    };
    const Failure failures[] = {
        {DesktopFamily::Windows, u"ショートカットが作成できませんでした。"_s,
         u"ショートカットが削除できませんでした。\r\nもしくはすでにファイルは削除されています。"_s},
        {DesktopFamily::Freedesktop, u"スタートアップに登録できませんでした。"_s,
         u"スタートアップの登録が削除できませんでした。\r\nもしくはすでに登録は削除されています。"_s},
    };
    for (const Failure& failure : failures) {
        desktop.shell.desktopFamily = failure.family;
        for (const Step& step : steps) {
            const QString message = step.message == notCreated   ? failure.notCreated
                                    : step.message == notDeleted ? failure.notDeleted
                                                                 : step.message;
            desktop.shell.startupFolderUsable = step.usable;
            desktop.questions.messages.clear();
            click(button(step.button));
            ASSERT_EQ(desktop.questions.messages.size(), 1u);
            EXPECT_EQ(desktop.questions.messages[0].text, message);
            EXPECT_TRUE(desktop.questions.messages[0].caption.isEmpty());
            EXPECT_EQ(button(step.button)->look(), ImageButton::Look::Normal);
            EXPECT_TRUE(helpText().isEmpty());
            EXPECT_EQ(registered(), step.registered) << step.button;
        }
    }
}

TEST_F(SettingsWindowTest, ClosingEnablesTheClock)
{
    open();
    ASSERT_FALSE(clock.isEnabled());
    click(button("closeButton"));
    EXPECT_TRUE(clock.isEnabled());
    EXPECT_EQ(dialogs.find<SettingsWindow>(), nullptr);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(SettingsWindowTest, ChoicesSurviveARestart)
{
    open("0\r\n", "1,0\r\n", "2,255,1\r\n");
    click(button("alwaysOnTopButton"));
    click(button("secondHandOffButton"));
    click(button("colonBlinkButton"));
    FakeDesktop again(folder.path());
    Application restarted(again.parts());
    ASSERT_TRUE(restarted.start());
    EXPECT_EQ(restarted.model().settings().alwaysOnTop, Stacking::InFront);
    EXPECT_FALSE(restarted.model().settings().secondHand);
    EXPECT_EQ(restarted.model().settings().colonStyle, ColonStyle::Blinking);
}

} // namespace
