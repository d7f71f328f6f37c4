// The widget kit as a screen reader reads it, through Qt's accessibility interfaces.
#include "core/artwork.h"
#include "widgets/accessible_widgets.h"
#include "widgets/choice_frame.h"
#include "widgets/engraved_line.h"
#include "widgets/highlight_bar.h"
#include "widgets/image_button.h"
#include "widgets/picture_dialog.h"
#include "widgets/picture_view.h"
#include "widgets/wrapped_text.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class Accessibility : public ::testing::Test
{
protected:
    void SetUp() override
    {
        accessibility::install();
        window.resize(300, 200);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    static QAccessibleInterface* of(QWidget* widget)
    {
        QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(widget);
        EXPECT_NE(interface, nullptr);
        return interface;
    }

    static QStringList actions(QWidget* widget) { return of(widget)->actionInterface()->actionNames(); }

    ImageButton* button(const artwork::Face& face, QWidget* parent)
    {
        auto* b = new ImageButton(ButtonFace::load(face), press, parent);
        b->show();
        return b;
    }

    ButtonPress press;
    QWidget window;
};

TEST_F(Accessibility, EachWidgetSaysWhatItIsAndWhatItShows)
{
    auto* frame = new ChoiceFrame(&window, {0, 0});
    frame->setToolTip(u"タスクトレイアイコン削除"_s);
    struct Case
    {
        const char* what;
        std::function<QWidget*()> make;
        QAccessible::Role role;
        QString name;
        QString description;
    };
    const Case cases[] = {
        {"a face with a word",
         [&] { return button(artwork::face::apply, &window); },
         QAccessible::Button,
         u"適用"_s,
         {}},
        {"a picture is named by its tooltip, described by its help",
         [&] {
             ImageButton* b = button(artwork::face::alarms, &window);
             b->setToolTip(u"アラーム設定"_s);
             b->setAccessibleDescription(u"アラームの設定を行います。"_s);
             return b;
         },
         QAccessible::Button, u"アラーム設定"_s, u"アラームの設定を行います。"_s},
        {"an option without a tooltip by its frame's",
         [&] { return button(artwork::face::trayIconOff, frame); },
         QAccessible::RadioButton,
         u"タスクトレイアイコン削除"_s,
         {}},
        {"a tooltip that says more describes",
         [&] {
             ImageButton* b = button(artwork::face::close, &window);
             b->setToolTip(u"設定を閉じる"_s);
             return b;
         },
         QAccessible::Button, u"閉じる"_s, u"設定を閉じる"_s},
        {"a highlight bar",
         [&] { return new HighlightBar(artwork::caption::addAlarm, &window); },
         QAccessible::Button,
         u"アラームを追加"_s,
         {}},
        {"a swatch names its colour",
         [&] {
             auto* view = new PictureView(&window, {0, 0, 15, 15}, true);
             view->setAccessibleName(u"長針の色"_s);
             view->setFillColour(0x00FF8001);
             return view;
         },
         QAccessible::Graphic,
         u"長針の色 赤 1、緑 128、青 255"_s,
         {}},
        {"a picture what it shows",
         [&] {
             auto* view = new PictureView(&window, {0, 0, 15, 15}, true);
             view->setAccessibleName(u"Type A04"_s);
             view->setPicture(ScaledPicture(artwork::designPreview(0)));
             return view;
         },
         QAccessible::Graphic,
         u"Type A04"_s,
         {}},
        {"wrapped text",
         [&] {
             auto* text = new WrappedText(&window);
             text->setText(u"起きて"_s);
             return text;
         },
         QAccessible::StaticText,
         u"起きて"_s,
         {}},
        {"an engraved line",
         [&] {
             return new EngravedLine(&window, {0, 5}, {50, 5}, 0x00808080);
         },
         QAccessible::Separator,
         {},
         {}},
        {"a dialog by its title",
         [] { return new PictureDialog(artwork::background::settings); },
         QAccessible::Dialog,
         u"設定"_s,
         {}},
        {"an alert",
         [] {
             auto* dialog = new PictureDialog(artwork::background::message);
             dialog->setAlert(true);
             dialog->setAccessibleDescription(u"色を変更しました。"_s);
             return dialog;
         },
         QAccessible::AlertMessage,
         {},
         u"色を変更しました。"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QWidget* widget = c.make();
        QAccessibleInterface* interface = of(widget);
        EXPECT_EQ(interface->role(), c.role);
        EXPECT_EQ(interface->text(QAccessible::Name), c.name);
        EXPECT_EQ(interface->text(QAccessible::Description), c.description);
        if (widget->isWindow()) {
            delete widget;
        }
    }
}

TEST_F(Accessibility, TheDefaultActionClicksWhileEnabledOnly)
{
    auto* frame = new ChoiceFrame(&window, {0, 0});
    ImageButton* pushButton = button(artwork::face::cancel, &window);
    ImageButton* option = button(artwork::face::secondHandOff, frame);
    auto* bar = new HighlightBar(artwork::caption::stepUp, &window);
    const struct
    {
        QWidget* widget;
        const QString& action;
        std::function<QMetaObject::Connection(std::function<void()>)> onRelease;
    } cases[] = {
        {pushButton, QAccessibleActionInterface::pressAction(),
         [&](auto f) {
             return QObject::connect(pushButton, &ImageButton::released, f);
         }},
        {option, QAccessibleActionInterface::toggleAction(),
         [&](auto f) {
             return QObject::connect(option, &ImageButton::released, f);
         }},
        {bar, QAccessibleActionInterface::pressAction(),
         [&](auto f) {
             return QObject::connect(bar, &HighlightBar::released, f);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.widget->metaObject()->className());
        int clicks = 0;
        c.onRelease([&] { ++clicks; });
        EXPECT_EQ(actions(c.widget), QStringList({c.action, QAccessibleActionInterface::setFocusAction()}));
        of(c.widget)->actionInterface()->doAction(c.action);
        EXPECT_EQ(clicks, 1);

        // Disabled, as while its window waits for another: no action, and a press does nothing.
        c.widget->setEnabled(false);
        EXPECT_TRUE(of(c.widget)->state().disabled);
        EXPECT_TRUE(actions(c.widget).isEmpty());
        of(c.widget)->actionInterface()->doAction(c.action);
        EXPECT_EQ(clicks, 1);
        c.widget->setEnabled(true);
    }
}

TEST_F(Accessibility, AnOptionIsCheckedWhileItsFrameIsSelectedAndTheFocusShows)
{
    auto* frame = new ChoiceFrame(&window, {0, 0});
    frame->show();
    ImageButton* option = button(artwork::face::secondHandOn, frame);
    ImageButton* other = button(artwork::face::apply, &window);
    other->move(50, 0);
    for (const bool selected : {true, false, true}) {
        frame->setSelected(selected);
        EXPECT_TRUE(of(option)->state().checkable);
        EXPECT_EQ(of(option)->state().checked, selected);
    }
    EXPECT_FALSE(of(other)->state().checkable);

    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (ImageButton* focused : {option, other}) {
        focused->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(of(focused)->state().focused);
        EXPECT_FALSE(of(focused == option ? other : option)->state().focused);
    }
}

} // namespace
