#pragma once

#include "widgets/scaled_picture.h"

#include <QWidget>

// The 44 x 44 frame behind an option button: blue while its choice is the current one,
// the panel colour otherwise. The button sits 2 pixels in, so the frame shows as a
// 2-pixel border. The button inside is an option of a ChoiceGroup, which selects the
// frames.
class ChoiceFrame : public QWidget
{
public:
    ChoiceFrame(QWidget* parent, QPoint at);

    // Frames start selected: a choice whose value is neither 0 nor 1 shows both selected.
    void setSelected(bool selected);
    bool isSelected() const { return selected_; }

    static constexpr QPoint buttonOffset{2, 2};

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ScaledPicture selectedPicture_;
    ScaledPicture unselectedPicture_;
    bool selected_ = true;
};
