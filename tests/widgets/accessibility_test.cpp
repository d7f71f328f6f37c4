// The widget kit as a screen reader reads it, through Qt's accessibility interfaces.
#include "core/artwork.h"
#include "widgets/accessible_widgets.h"
#include "widgets/choice_frame.h"
#include "widgets/choice_group.h"
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

// A colour is said by the nearest name where one lies near enough, always with its numbers.
TEST(ColourInWords, NamesTheNearestColourWhereOneFits)
{
    const struct
    {
        ColourRef colour;
        QString said;
    } cases[] = {
        {colourRef(79, 79, 79), u"濃い灰色、赤 79、緑 79、青 79"_s},
        {colourRef(250, 10, 5), u"赤、赤 250、緑 10、青 5"_s},
        {colourRef(200, 100, 150), u"赤 200、緑 100、青 150"_s},
        {colourRef(0, 0, 140), u"紺色、赤 0、緑 0、青 140"_s},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(accessibility::colourInWords(c.colour), c.said);
    }
    for (const accessibility::NamedColour& named : accessibility::namedColours()) {
        EXPECT_TRUE(accessibility::colourInWords(fromQColor(QColor(named.rgb)))
                        .startsWith(QString::fromUtf8(named.name) + u'、'))
            << named.name;
    }
}

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
    auto* choice = new ChoiceGroup(&window);
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
        {"an option of a choice, named by its window",
         [&] {
             ImageButton* b = button(artwork::face::trayIconOff, frame);
             choice->addOption(b, frame);
             b->setAccessibleName(u"タスクトレイアイコン削除"_s);
             return b;
         },
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

// A press shows for a moment and then clicks, as Qt's buttons do; an option's toggle
// chooses it at once. Neither while the button is disabled.
TEST_F(Accessibility, TheDefaultActionClicksWhileEnabledOnly)
{
    auto* frame = new ChoiceFrame(&window, {0, 0});
    auto* choice = new ChoiceGroup(&window);
    ImageButton* option = button(artwork::face::secondHandOff, frame);
    choice->addOption(option, frame);
    const struct
    {
        QAbstractButton* button;
        const QString& action;
        bool heldAMoment;
    } cases[] = {
        {button(artwork::face::cancel, &window), QAccessibleActionInterface::pressAction(), true},
        {option, QAccessibleActionInterface::toggleAction(), false},
        {new HighlightBar(artwork::caption::stepUp, &window), QAccessibleActionInterface::pressAction(),
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button->metaObject()->className());
        int clicks = 0;
        QObject::connect(c.button, &QAbstractButton::clicked, [&] { ++clicks; });
        EXPECT_EQ(actions(c.button), QStringList({c.action, QAccessibleActionInterface::setFocusAction()}));
        of(c.button)->actionInterface()->doAction(c.action);
        EXPECT_EQ(c.button->isDown(), c.heldAMoment);
        EXPECT_TRUE(QTest::qWaitFor([&] { return clicks == 1; }));
        EXPECT_FALSE(c.button->isDown());

        // Disabled, as while its window waits for another: no action, and a press starts
        // nothing (a press that started would hold the button down now).
        c.button->setEnabled(false);
        EXPECT_TRUE(of(c.button)->state().disabled);
        EXPECT_TRUE(actions(c.button).isEmpty());
        of(c.button)->actionInterface()->doAction(c.action);
        EXPECT_FALSE(c.button->isDown());
        EXPECT_EQ(clicks, 1);
        c.button->setEnabled(true);
    }
}

// The window shows the current value: its option checked and framed, the other not; a
// value of neither checks neither and frames both.
TEST_F(Accessibility, AnOptionIsCheckedWhileItIsTheCurrentOneAndTheFocusShows)
{
    auto* choice = new ChoiceGroup(&window);
    ChoiceFrame* frames[] = {new ChoiceFrame(&window, {0, 0}), new ChoiceFrame(&window, {50, 0})};
    ImageButton* options[] = {button(artwork::face::secondHandOn, frames[0]),
                              button(artwork::face::secondHandOff, frames[1])};
    for (int i = 0; i < 2; ++i) {
        frames[i]->show();
        choice->addOption(options[i], frames[i]);
    }
    ImageButton* other = button(artwork::face::apply, &window);
    other->move(100, 0);
    for (const int chosen : {0, 1, -1, 1}) {
        SCOPED_TRACE(chosen);
        choice->showChosen(chosen);
        for (int i = 0; i < 2; ++i) {
            EXPECT_TRUE(of(options[i])->state().checkable);
            EXPECT_EQ(of(options[i])->state().checked, i == chosen);
            EXPECT_EQ(frames[i]->isSelected(), i == chosen || chosen == -1);
        }
    }
    EXPECT_FALSE(of(other)->state().checkable);

    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (ImageButton* focused : {options[0], other}) {
        focused->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(of(focused)->state().focused);
        EXPECT_FALSE(of(focused == options[0] ? other : options[0])->state().focused);
    }
}

} // namespace
