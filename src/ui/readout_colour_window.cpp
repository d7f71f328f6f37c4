#include "ui/readout_colour_window.h"

#include "core/artwork.h"
#include "face/digital_readout.h"
#include "model/clock_model.h"
#include "platform/clock.h"
#include "ui/dialogs.h"
#include "ui/pick_colour.h"
#include "ui/questions.h"
#include "widgets/accessible_widgets.h"
#include "widgets/highlight_bar.h"
#include "widgets/image_button.h"
#include "widgets/picture_view.h"

#include <QTimer>

namespace {

const digital_readout::Strip& strip = digital_readout::largeStrip;

} // namespace

ReadoutColourWindow::ReadoutColourWindow(ClockModel& model, Dialogs& dialogs, const Clock& clock,
                                         Questions& questions)
    : PictureDialog(artwork::background::readoutColour), model_(model), dialogs_(dialogs), clock_(clock),
      questions_(questions), editedColour_(model.settings().readoutColour)
{
    setObjectName(QStringLiteral("readoutColourWindow"));
    // Until the first tick the preview is a plain box of the colour.
    preview_ = new PictureView(this, QRect(QPoint(16, 40), strip.panelSize), false);
    preview_->setObjectName(QStringLiteral("readoutPreview"));
    preview_->setAccessibleName(QStringLiteral("プレビュー"));
    preview_->setFillColour(editedColour_);
    swatch_ = new PictureView(this, QRect(96, 48, 17, 17), true);
    swatch_->setObjectName(QStringLiteral("swatch"));
    swatch_->setAccessibleName(QStringLiteral("時刻・日付の色"));
    swatch_->setFillColour(editedColour_);

    pickBar_ = new HighlightBar(artwork::caption::pickColour, this);
    pickBar_->setObjectName(QStringLiteral("pickButton"));
    pickBar_->move(136, 48);
    // The bar that changes the colour says the colour it has now.
    pickBar_->setAccessibleDescription(accessibility::colourInWords(editedColour_));
    // The bar stays lit after the dialog until the pointer is reported off it.
    connect(pickBar_, &HighlightBar::clicked, this, &ReadoutColourWindow::editColour);

    connect(addImageButton(artwork::face::change, {80, 80}, "applyButton"), &ImageButton::clicked, this,
            &ReadoutColourWindow::accept);
    addCloseButton(artwork::face::cancel, {144, 80}, "cancelButton");

    previewTimer_ = new QTimer(this);
    previewTimer_->setInterval(250);
    connect(previewTimer_, &QTimer::timeout, this, &ReadoutColourWindow::drawReadoutPreview);
    previewTimer_->start();
}

void ReadoutColourWindow::drawReadoutPreview()
{
    // In the digits of the scale of the screen the window is on.
    const int scale = artwork::pictureScale(preview_->devicePixelRatioF());
    if (strip_.isNull() || strip_.devicePixelRatio() != scale) {
        strip_ = digital_readout::stripPicture(strip, scale);
        panel_ = QImage(strip.panelSize * scale, QImage::Format_RGB32);
        panel_.setDevicePixelRatio(scale);
    }
    const LocalTime now = clock_.now();
    digital_readout::drawReadout(panel_, editedColour_, strip_, strip, now.hour, now.minute,
                                 digital_readout::Colon::Shown);
    preview_->setPicture(panel_);
}

void ReadoutColourWindow::editColour()
{
    if (const std::optional<ColourRef> colour = pickColour(questions_, editedColour_)) {
        editedColour_ = *colour;
        swatch_->setFillColour(editedColour_);
        pickBar_->setAccessibleDescription(accessibility::colourInWords(editedColour_));
    }
}

void ReadoutColourWindow::accept()
{
    model_.setReadoutColour(editedColour_);
    dialogs_.showMessage(QStringLiteral("色を変更しました。"), Dialogs::Notice::ReadoutColourChanged);
    close();
}
