#include "ui/hand_colour_window.h"

#include "core/artwork.h"
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

QImage facePicture(int scale)
{
    return QImage(artwork::resource(artwork::atScale(artwork::handPreviewFace, scale)))
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace

HandColourWindow::HandColourWindow(ClockModel& model, Dialogs& dialogs, const Clock& clock,
                                   Questions& questions)
    : PictureDialog(artwork::background::handColour), model_(model), dialogs_(dialogs), clock_(clock),
      questions_(questions), face_(facePicture(1))
{
    setObjectName(QStringLiteral("handColourWindow"));
    preview_ = new PictureView(this, QRect(QPoint(16, 40), face_.size()), false);
    preview_->setObjectName(QStringLiteral("handPreview"));
    preview_->setAccessibleName(QStringLiteral("プレビュー"));

    // The rows run minute, hour, second from the top.
    const ClockSettings& settings = model_.settings();
    const struct
    {
        Hand hand;
        int y;
        ColourRef colour;
        const artwork::Caption& caption;
        const char* swatchName;
        const char* barName;
        const char* spokenName; // what a screen reader calls the swatch, before its colour
    } rows[] = {
        {Minute, 40, settings.minuteHandColour, artwork::caption::minuteHandColour, "minuteSwatch",
         "minuteButton", "長針の色"},
        {Hour, 68, settings.hourHandColour, artwork::caption::hourHandColour, "hourSwatch", "hourButton",
         "短針の色"},
        {Second, 96, settings.secondHandColour, artwork::caption::secondHandColour, "secondSwatch",
         "secondButton", "秒針の色"},
    };
    for (const auto& row : rows) {
        auto* swatch = new PictureView(this, QRect(96, row.y, 15, 15), true);
        swatch->setObjectName(QString::fromLatin1(row.swatchName));
        swatch->setAccessibleName(QString::fromUtf8(row.spokenName));
        swatch->setFillColour(row.colour);
        colours_[row.hand] = row.colour;
        swatches_[row.hand] = swatch;
        auto* bar = new HighlightBar(row.caption, this);
        bar->setObjectName(QString::fromLatin1(row.barName));
        // The bar that changes a colour says the colour it has now.
        bar->setAccessibleDescription(accessibility::colourInWords(row.colour));
        bars_[row.hand] = bar;
        bar->move(120, row.y);
        connect(bar, &HighlightBar::clicked, this, [this, bar, hand = row.hand] {
            bar->unlight();
            editColour(hand);
        });
    }

    connect(addImageButton(artwork::face::change, {120, 122}, "applyButton"), &ImageButton::clicked, this,
            &HandColourWindow::accept);
    addCloseButton(artwork::face::cancel, {184, 122}, "cancelButton");

    previewTime_ = clock_.now();
    drawHandPreview();
    previewTimer_ = new QTimer(this);
    previewTimer_->setInterval(500);
    connect(previewTimer_, &QTimer::timeout, this, &HandColourWindow::drawHandPreview);
    previewTimer_->start();
}

void HandColourWindow::drawHandPreview()
{
    // The face shows the time read at the previous tick, so it is at most one tick late.
    // The face at the scale of the screen the window is on; the hands scale with it.
    const int scale = artwork::pictureScale(preview_->devicePixelRatioF());
    if (face_.devicePixelRatio() != scale) {
        face_ = facePicture(scale);
        lastDrawnSecond_ = -1;
    }
    if (lastDrawnSecond_ != previewTime_.second) {
        previewImage_ = face_.copy();
        QPainter painter(&previewImage_);
        painter.setRenderHint(QPainter::Antialiasing);
        hands_.draw(painter, previewHands, {colours_[Hour], colours_[Minute], colours_[Second]}, previewTime_,
                    true);
        painter.end();
        preview_->setPicture(previewImage_);
        lastDrawnSecond_ = previewTime_.second;
    }
    previewTime_ = clock_.now();
}

void HandColourWindow::editColour(Hand hand)
{
    if (const std::optional<ColourRef> colour = pickColour(questions_, colours_[hand])) {
        colours_[hand] = *colour;
        swatches_[hand]->setFillColour(*colour);
        bars_[hand]->setAccessibleDescription(accessibility::colourInWords(*colour));
    }
}

void HandColourWindow::accept()
{
    model_.setHandColours(colours_[Hour], colours_[Minute], colours_[Second]);
    dialogs_.showMessage(QStringLiteral("針の色を変更しました。"), Dialogs::Notice::HandColoursChanged);
    close();
}
