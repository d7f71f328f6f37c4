#pragma once

#include "core/setting_values.h"
#include "widgets/picture_dialog.h"

class ClockModel;
class ImageButton;

// ねこ画像の変更: the seven designs side by side. 変更する puts the chosen one on the
// clock at once and saves it; the window stays open to try another. キャンセル only
// closes it: what was applied stays.
class DesignChooserWindow final : public PictureDialog
{
    Q_OBJECT

public:
    explicit DesignChooserWindow(ClockModel& model);

private:
    ClockModel& model_;
    DesignIndex chosenDesign_;
    ImageButton* applyButton_;
    ImageButton* cancelButton_;
};
