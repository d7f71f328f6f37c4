#include "ui/design_chooser_window.h"

#include "core/artwork.h"
#include "face/designs.h"
#include "model/clock_model.h"
#include "widgets/image_button.h"
#include "widgets/label_style.h"
#include "widgets/picture_view.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace {

constexpr ColourRef optionBackground = 0x002E2E2E;
constexpr ColourRef optionText = 0x00E0E0E0;

// Where each design's preview stands: the A designs in the top row (A01 first), the
// B designs below.
constexpr QPoint previewPlaces[designs::count] = {{328, 32}, {120, 32},  {224, 32}, {16, 32},
                                                  {16, 184}, {152, 184}, {288, 184}};

QRadioButton* addOption(QWidget* parent, int design, const QRect& geometry)
{
    auto* option = new QRadioButton(QString::fromLatin1(designs::find(DesignIndex{design})->name), parent);
    option->setObjectName(QStringLiteral("design%1").arg(design));
    option->setGeometry(geometry);
    option->setFont(QFont(dialogFace, 9));
    option->setAutoFillBackground(true);
    QPalette palette = option->palette();
    option->setBackgroundRole(QPalette::Window);
    palette.setColor(QPalette::Window, toQColor(optionBackground));
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText}) {
        palette.setColor(role, toQColor(optionText));
    }
    option->setPalette(palette);
    return option;
}

} // namespace

DesignChooserWindow::DesignChooserWindow(ClockModel& model)
    : PictureDialog(artwork::background::designChooser), model_(model), chosenDesign_(model.settings().design)
{
    setObjectName(QStringLiteral("designChooserWindow"));
    auto* options = new QButtonGroup(this);
    for (int design = 0; design < designs::count; ++design) {
        const ScaledPicture preview(artwork::designPreview(design));
        const QRect outside(previewPlaces[design], preview.size() + QSize(2, 2));
        auto* view = new PictureView(this, outside, true);
        view->setObjectName(QStringLiteral("preview%1").arg(design));
        view->setAccessibleName(QString::fromLatin1(designs::find(DesignIndex{design})->name));
        view->setPicture(preview);
        QRadioButton* option =
            addOption(this, design, QRect(outside.left(), outside.bottom() + 2, outside.width(), 12));
        options->addButton(option, design);
        option->setChecked(DesignIndex{design} == chosenDesign_);
        // The pictures and options lie on the background: moving over them is moving
        // over it.
        countAsBackground(view);
        countAsBackground(option);
    }
    // Toggled, not only clicked: a screen reader's action checks an option without a click.
    connect(options, &QButtonGroup::idToggled, this, [this](int design, bool checked) {
        if (checked) {
            chosenDesign_ = DesignIndex{design};
        }
    });

    applyButton_ = addImageButton(artwork::face::change, {304, 312}, "applyButton");
    connect(applyButton_, &ImageButton::clicked, this, [this] { model_.setDesign(chosenDesign_); });
    cancelButton_ = addCloseButton(artwork::face::cancel, {368, 312}, "cancelButton");
    connect(cancelButton_, &ImageButton::hovered, this,
            [this] { applyButton_->setLook(ImageButton::Look::Normal); });
    connect(this, &PictureDialog::pointerOverBackground, this, [this] {
        applyButton_->setLook(ImageButton::Look::Normal);
        cancelButton_->setLook(ImageButton::Look::Normal);
    });
}
