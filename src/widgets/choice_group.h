#pragma once

#include <QButtonGroup>
#include <utility>
#include <vector>

class ChoiceFrame;
class ImageButton;

// Options that belong together (shown in front / not in front): image buttons, each
// standing in its ChoiceFrame, checkable in one exclusive group, so that a screen reader
// hears radio buttons with their checked state and the arrow keys move between them.
// The frames and the checks show the current value, which the window gives; a click
// asks the window to choose (clicked()), and the window shows what came of it.
class ChoiceGroup final : public QButtonGroup
{
public:
    explicit ChoiceGroup(QObject* parent);

    // `option` stands in `frame`; ids count from 0 in the order of adding.
    void addOption(ImageButton* option, ChoiceFrame* frame);

    // Shows the option of `id` as the current one: its frame selected, it checked, the
    // others not. Any other id (a stored value that is neither) checks none and shows
    // every frame selected, as a value of neither always showed.
    void showChosen(int id);

private:
    std::vector<std::pair<ImageButton*, ChoiceFrame*>> options_;
};
