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

// What each design's picture shows around the clock, as a screen reader says it.
const char* const poses[designs::count] = {
    "時計を抱える黒ねこ、台つき",     "文字板を抱える黒ねこ",         "文字板を抱える黒ねこ",
    "時計を抱える黒ねこ、しっぽつき", "大きな時計の横に立つ灰色ねこ", "大きな時計の横に立つ灰色ねこ、台つき",
    "画面の横に立つ灰色ねこ",
};

bool showsDate(face_layout::Text text)
{
    using enum face_layout::Text;
    return text == DateWithWeekday || text == Date || text == MonthDay;
}

// A design by ear: analog or digital, with or without the date, and its picture.
QString describe(int design)
{
    const designs::Design& shown = *designs::find(DesignIndex{design});
    const bool date = showsDate(shown.layout.first) || showsDate(shown.layout.second);
    return QStringList{shown.hands ? QStringLiteral("アナログ") : QStringLiteral("デジタル"),
                       date ? QStringLiteral("日付あり") : QStringLiteral("日付なし"),
                       QString::fromUtf8(poses[design])}
        .join(QStringLiteral("、"));
}

QRadioButton* addOption(QWidget* parent, int design, const QRect& geometry)
{
    auto* option = new QRadioButton(QString::fromLatin1(designs::find(DesignIndex{design})->name), parent);
    option->setObjectName(QStringLiteral("design%1").arg(design));
    option->setAccessibleDescription(describe(design));
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
    connect(applyButton_, &ImageButton::clicked, this, [this] {
        model_.setDesign(chosenDesign_);
        // The clock changes behind the window, unseen by ear.
        if (const designs::Design* shown = designs::find(model_.settings().design)) {
            announce(QStringLiteral("%1 に変更しました").arg(QString::fromLatin1(shown->name)));
        }
    });
    cancelButton_ = addCloseButton(artwork::face::cancel, {368, 312}, "cancelButton");
    connect(cancelButton_, &ImageButton::hovered, this,
            [this] { applyButton_->setLook(ImageButton::Look::Normal); });
    connect(this, &PictureDialog::pointerOverBackground, this, [this] {
        applyButton_->setLook(ImageButton::Look::Normal);
        cancelButton_->setLook(ImageButton::Look::Normal);
    });
}
