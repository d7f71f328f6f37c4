#pragma once

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

    int chosenDesign() const { return chosenDesign_; }

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void resetButtons();

    ClockModel& model_;
    int chosenDesign_;
    ImageButton* applyButton_;
    ImageButton* cancelButton_;
};
