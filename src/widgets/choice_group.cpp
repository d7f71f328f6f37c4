#include "widgets/choice_group.h"

#include "widgets/choice_frame.h"
#include "widgets/image_button.h"

#include <QSignalBlocker>

ChoiceGroup::ChoiceGroup(QObject* parent) : QButtonGroup(parent)
{
    setExclusive(true);
}

void ChoiceGroup::addOption(ImageButton* option, ChoiceFrame* frame)
{
    option->setCheckable(true);
    // Qt's accessible button is a radio button only when auto-exclusive; the group
    // decides the exclusion either way.
    option->setAutoExclusive(true);
    addButton(option, int(options_.size()));
    options_.emplace_back(option, frame);
}

void ChoiceGroup::showChosen(int id)
{
    QAbstractButton* chosen = button(id);
    for (const auto& [option, frame] : options_) {
        frame->setSelected(!chosen || option == chosen);
    }
    // Shown, not asked for: a check from here is no click (PictureButton). Qt tells a
    // listening screen reader of each check that changes.
    if (chosen) {
        const QSignalBlocker quiet(chosen);
        chosen->setChecked(true);
    } else {
        // An exclusive group keeps one option checked; none is the current one here.
        setExclusive(false);
        for (const auto& [option, frame] : options_) {
            const QSignalBlocker quiet(option);
            option->setChecked(false);
        }
        setExclusive(true);
    }
}
