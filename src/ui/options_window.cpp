#include "ui/options_window.h"

#include "core/artwork.h"
#include "model/clock_model.h"
#include "platform/desktop_shell.h"
#include "ui/choose_wave.h"
#include "ui/notice_texts.h"
#include "ui/questions.h"
#include "widgets/engraved_line.h"
#include "widgets/highlight_bar.h"
#include "widgets/image_button.h"
#include "widgets/label_style.h"
#include "widgets/toggle_chip.h"

#include <QLabel>
#include <QLineEdit>

namespace {

using options_layout::Row;

constexpr ColourRef white = 0x00FFFFFF;
constexpr ColourRef textColour = 0x00E0E0E0;
// A note of what this desktop cannot show: a soft amber on the grey.
constexpr ColourRef noteColour = colourRef(0xFF, 0xC8, 0x78);

const options_layout::RowPlace& placeOf(Row row)
{
    return options_layout::rows[std::size_t(row)];
}

int wrapHour(int hour)
{
    return (hour % 24 + 24) % 24;
}

} // namespace

OptionsWindow::OptionsWindow(ClockModel& model, const SoundOutput& sound, Questions& questions,
                             const DesktopShell& shell)
    : PictureDialog(artwork::background::options), model_(model), sound_(sound), questions_(questions)
{
    setObjectName(QStringLiteral("optionsWindow"));
    const int left = options_layout::controlLeft;

    const int snoozeTop = addHeading(Row::SnoozeLength);
    snoozeLength_ = addStepped({left, snoozeTop + 4}, 2, QStringLiteral("分"),
                               QString::fromUtf8(placeOf(Row::SnoozeLength).heading), "snoozeLength",
                               [this](int by) { stepSnoozeLength(by); });

    const int chimeTop = addHeading(Row::Chime);
    chimeChip_ = addChip(artwork::chip::chime, {left, chimeTop + 6},
                         QStringLiteral("毎正時に時報を鳴らします"), "chime");
    connect(chimeChip_, &ToggleChip::clicked, this,
            [this] { changeChime([](Chime& chime) { chime.on = !chime.on; }); });

    const int soundTop = addHeading(Row::ChimeSound);
    auto* standardBar = new HighlightBar(artwork::caption::standardSound, this);
    standardBar->setObjectName(QStringLiteral("chimeStandardSound"));
    standardBar->move(left, soundTop + 4);
    connect(standardBar, &HighlightBar::clicked, this, [this] { setChimeSound(std::nullopt); });
    chimeSound_ = addSoundField(this, {left, soundTop + 22, 190, 18}, "chimeSoundField");
    chooseWaveBar_ = new HighlightBar(artwork::caption::chooseWave, this);
    chooseWaveBar_->setObjectName(QStringLiteral("chimeChooseWave"));
    chooseWaveBar_->move(left + 196, soundTop + 23);
    connect(chooseWaveBar_, &HighlightBar::clicked, this, [this] {
        chooseWaveBar_->unlight();
        if (const std::optional<QString> path = chooseWave(questions_, sound_, model_.chime().waveFile)) {
            setChimeSound(*path);
        }
    });

    const int quietTop = addHeading(Row::QuietHours);
    quietChip_ = addChip(artwork::chip::quietHours, {left, quietTop + 10},
                         QStringLiteral("この時間は時報を鳴らしません"), "quietHours");
    connect(quietChip_, &ToggleChip::clicked, this,
            [this] { changeChime([](Chime& chime) { chime.keepsQuiet = !chime.keepsQuiet; }); });
    quietFrom_ = addStepped({left + 38, quietTop + 4}, 2, QStringLiteral("時から"), QStringLiteral("から"),
                            "quietFrom", [this](int by) { stepQuietHour(true, by); });
    quietTo_ = addStepped({left + 150, quietTop + 4}, 2, QStringLiteral("時まで"), QStringLiteral("まで"),
                          "quietTo", [this](int by) { stepQuietHour(false, by); });

    const int sizeTop = addHeading(Row::ClockSize);
    clockSize_ = addStepped({left, sizeTop + 4}, 3, QStringLiteral("%"),
                            QString::fromUtf8(placeOf(Row::ClockSize).heading), "clockSize", [this](int by) {
                                const ClockSize size = model_.clockSize();
                                model_.setClockSize(by > 0 ? size.larger() : size.smaller());
                            });

    const int opacityTop = addHeading(Row::Opacity);
    opacity_ = addStepped({left, opacityTop + 4}, 3, QStringLiteral("%"),
                          QString::fromUtf8(placeOf(Row::Opacity).heading), "opacity", [this](int by) {
                              const ClockOpacity opacity = model_.opacity();
                              model_.setOpacity(by > 0 ? opacity.more() : opacity.less());
                          });
    constexpr int besideStepped = 130;
    opaqueChip_ = addChip(artwork::chip::opaqueUnderPointer, {left + besideStepped, opacityTop + 10},
                          QStringLiteral("ポインタが時計の上にある間は透けません"), "opaqueUnderPointer");
    connect(opaqueChip_, &ToggleChip::clicked, this,
            [this] { model_.setOpaqueUnderPointer(!model_.opaqueUnderPointer()); });
    // Where nothing would change, the row says so instead of seeming not to work.
    noOpacityNote_ = addLabel(this, QStringLiteral("この画面では透けません"),
                              {left, opacityTop + 36, options_layout::width - left - 14, 14}, noteColour);
    noOpacityNote_->setObjectName(QStringLiteral("noOpacityNote"));
    noOpacityNote_->setVisible(!shell.showsWindowOpacity());

    const int clickThroughTop = addHeading(Row::ClickThrough);
    clickThroughChip_ = addChip(artwork::chip::clickThrough, {left, clickThroughTop + 6},
                                QStringLiteral("クリックを時計の下のウィンドウに届けます"), "clickThrough");
    connect(clickThroughChip_, &ToggleChip::clicked, this, [this] {
        const bool through = !model_.clickThrough();
        model_.setClickThrough(through);
        if (through) {
            questions_.showMessage(notice_text::clickThroughBegun());
        }
    });

    const QSize size = options_layout::windowSize();
    ImageButton* closeButton =
        addCloseButton(artwork::face::close, {size.width() - options_layout::closeButton.width() - 12,
                                              options_layout::rowsBottom() + options_layout::closeMargin});
    setDefaultButton(closeButton);

    showOptions();
    connect(&model_, &ClockModel::snoozeChanged, this, &OptionsWindow::showOptions);
    connect(&model_, &ClockModel::chimeChanged, this, &OptionsWindow::showOptions);
    connect(&model_, &ClockModel::clockSizeChanged, this, &OptionsWindow::showGadgetOptions);
    connect(&model_, &ClockModel::seeThroughChanged, this, &OptionsWindow::showGadgetOptions);
    connect(&model_, &ClockModel::clickThroughChanged, this, &OptionsWindow::showGadgetOptions);
}

int OptionsWindow::addHeading(Row row)
{
    const int top = options_layout::rowTop(row);
    const options_layout::RowPlace& place = placeOf(row);
    addLabel(this, QString::fromUtf8(place.heading), {options_layout::headingLeft, top + 11, 110, 14}, white);
    const int bottom = top + place.height - 1;
    addEngravedLine(this, QPoint(options_layout::headingLeft, bottom),
                    QPoint(options_layout::width - options_layout::headingLeft, bottom));
    return top;
}

QLabel* OptionsWindow::addStepped(QPoint at, int digits, const QString& unit, const QString& described,
                                  const char* name, const std::function<void(int)>& step)
{
    const int numberWidth = 14 * digits;
    QLabel* number = addLabel(this, QString(), {at.x(), at.y(), numberWidth, 28}, textColour, 18, fixedFace);
    number->setObjectName(QString::fromLatin1(name));
    number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const std::pair<const artwork::Caption*, int> bars[] = {{&artwork::caption::stepUp, 1},
                                                            {&artwork::caption::stepDown, -1}};
    int unitLeft = 0;
    for (const auto& [caption, by] : bars) {
        auto* bar = new HighlightBar(*caption, this);
        bar->setObjectName(QString::fromLatin1(name) +
                           (by > 0 ? QStringLiteral("Up") : QStringLiteral("Down")));
        // A screen reader tells which number an arrow steps by the words beside it.
        bar->setAccessibleDescription(described);
        bar->move(at.x() + numberWidth + 3, at.y() + (by > 0 ? 0 : 16));
        connect(bar, &HighlightBar::clicked, this, [step, by = by] { step(by); });
        unitLeft = bar->geometry().right() + 4;
    }
    addLabel(this, unit, {unitLeft, at.y() + 10, 44, 14}, textColour);
    return number;
}

ToggleChip* OptionsWindow::addChip(const artwork::Chip& chip, QPoint at, const QString& described,
                                   const char* name)
{
    auto* added = new ToggleChip(chip, QString::fromUtf8(chip.text), this);
    added->setObjectName(QString::fromLatin1(name));
    added->setAccessibleDescription(described);
    added->setToolTip(described);
    added->move(at);
    return added;
}

void OptionsWindow::stepSnoozeLength(int by)
{
    model_.setSnoozeLength(SnoozeLength(model_.snoozeLength().minutes() + by));
}

void OptionsWindow::stepQuietHour(bool from, int by)
{
    changeChime([from, by](Chime& chime) {
        int& hour = from ? chime.quiet.from : chime.quiet.to;
        hour = wrapHour(hour + by);
    });
}

void OptionsWindow::setChimeSound(const std::optional<QString>& waveFile)
{
    changeChime([&waveFile](Chime& chime) { chime.waveFile = waveFile; });
}

void OptionsWindow::changeChime(const std::function<void(Chime&)>& change)
{
    Chime chime = model_.chime();
    change(chime);
    model_.setChime(chime);
}

void OptionsWindow::showOptions()
{
    const int minutes = model_.snoozeLength().minutes();
    snoozeLength_->setText(QString::number(minutes));
    snoozeLength_->setAccessibleName(
        QStringLiteral("%1 %2分").arg(QString::fromUtf8(placeOf(Row::SnoozeLength).heading)).arg(minutes));
    const Chime& chime = model_.chime();
    chimeChip_->showOn(chime.on);
    showSound(chimeSound_, chime.waveFile, pathWidth - 8);
    chimeSound_->setToolTip(chime.waveFile.value_or(QString()));
    quietChip_->showOn(chime.keepsQuiet);
    quietFrom_->setText(QString::number(chime.quiet.from));
    quietFrom_->setAccessibleName(QStringLiteral("%1時から").arg(chime.quiet.from));
    quietTo_->setText(QString::number(chime.quiet.to));
    quietTo_->setAccessibleName(QStringLiteral("%1時まで").arg(chime.quiet.to));
    showGadgetOptions();
}

void OptionsWindow::showGadgetOptions()
{
    const auto showPercent = [](QLabel* label, Row row, int percent) {
        label->setText(QString::number(percent));
        label->setAccessibleName(
            QStringLiteral("%1 %2%").arg(QString::fromUtf8(placeOf(row).heading)).arg(percent));
    };
    showPercent(clockSize_, Row::ClockSize, model_.clockSize().percent());
    showPercent(opacity_, Row::Opacity, model_.opacity().percent);
    opaqueChip_->showOn(model_.opaqueUnderPointer());
    clickThroughChip_->showOn(model_.clickThrough());
}
