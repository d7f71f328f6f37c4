#include "widgets/accessible_widgets.h"

#include "widgets/announcer.h"
#include "widgets/engraved_line.h"
#include "widgets/picture_dialog.h"
#include "widgets/picture_view.h"
#include "widgets/step_field.h"
#include "widgets/wrapped_text.h"

namespace {

// A colour as the colour dialog shows it: its red, green and blue.
QString colourWords(ColourRef colour)
{
    const QColor c = toQColor(colour);
    return QStringLiteral("赤 %1、緑 %2、青 %3").arg(c.red()).arg(c.green()).arg(c.blue());
}

int squaredDistance(const QColor& a, const QColor& b)
{
    const int red = a.red() - b.red();
    const int green = a.green() - b.green();
    const int blue = a.blue() - b.blue();
    return red * red + green * green + blue * blue;
}

} // namespace

namespace accessibility {

const std::array<NamedColour, 20>& namedColours()
{
    static const std::array<NamedColour, 20> table{{
        {"黒", qRgb(0, 0, 0)},         {"濃い灰色", qRgb(64, 64, 64)},    {"灰色", qRgb(128, 128, 128)},
        {"銀色", qRgb(192, 192, 192)}, {"白", qRgb(255, 255, 255)},       {"赤", qRgb(255, 0, 0)},
        {"えんじ色", qRgb(128, 0, 0)}, {"橙色", qRgb(255, 165, 0)},       {"茶色", qRgb(139, 69, 19)},
        {"黄色", qRgb(255, 255, 0)},   {"オリーブ色", qRgb(128, 128, 0)}, {"黄緑", qRgb(0, 255, 0)},
        {"緑", qRgb(0, 128, 0)},       {"水色", qRgb(0, 255, 255)},       {"青緑", qRgb(0, 128, 128)},
        {"青", qRgb(0, 0, 255)},       {"紺色", qRgb(0, 0, 128)},         {"紫", qRgb(128, 0, 128)},
        {"赤紫", qRgb(255, 0, 255)},   {"桃色", qRgb(255, 192, 203)},
    }};
    return table;
}

QString colourInWords(ColourRef colour)
{
    const QColor c = toQColor(colour);
    const NamedColour* nearest = nullptr;
    for (const NamedColour& named : namedColours()) {
        if (!nearest || squaredDistance(c, named.rgb) < squaredDistance(c, nearest->rgb)) {
            nearest = &named;
        }
    }
    const QString numbers = colourWords(colour);
    return squaredDistance(c, nearest->rgb) <= nearEnough * nearEnough
               ? QString::fromUtf8(nearest->name) + QStringLiteral("、") + numbers
               : numbers;
}

} // namespace accessibility

namespace {

class AccessiblePicture final : public QAccessibleWidget
{
public:
    explicit AccessiblePicture(PictureView* view) : QAccessibleWidget(view, QAccessible::Graphic) {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name) {
            return QAccessibleWidget::text(t);
        }
        const auto* view = static_cast<const PictureView*>(widget());
        QStringList parts{view->accessibleName()};
        if (view->showsFillColour()) {
            parts << colourWords(view->fillColour());
        }
        parts.removeAll(QString());
        return parts.join(QStringLiteral(" "));
    }
};

class AccessibleText final : public QAccessibleWidget
{
public:
    explicit AccessibleText(WrappedText* text) : QAccessibleWidget(text, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<const WrappedText*>(widget())->text()
                                      : QAccessibleWidget::text(t);
    }
};

class AccessibleDialog final : public QAccessibleWidget
{
public:
    explicit AccessibleDialog(PictureDialog* dialog) : QAccessibleWidget(dialog) {}

    QAccessible::Role role() const override
    {
        return static_cast<const PictureDialog*>(widget())->isAlert() ? QAccessible::AlertMessage
                                                                      : QAccessible::Dialog;
    }
};

} // namespace

// A step field as a spin button: its value, its range, and a value set from outside
// asked of the window as a step is.
class AccessibleStepField final : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit AccessibleStepField(StepField* field) : QAccessibleWidget(field, QAccessible::SpinBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? field()->text() : QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return field()->value(); }
    void setCurrentValue(const QVariant& value) override { field()->requestValue(value.toInt()); }
    QVariant maximumValue() const override { return field()->maximum(); }
    QVariant minimumValue() const override { return field()->minimum(); }
    QVariant minimumStepSize() const override { return 1; }

private:
    StepField* field() const { return static_cast<StepField*>(widget()); }
};

namespace {

QAccessibleInterface* interfaceFor(const QString&, QObject* object)
{
    if (auto* view = dynamic_cast<PictureView*>(object)) {
        return new AccessiblePicture(view);
    }
    if (auto* field = dynamic_cast<StepField*>(object)) {
        return new AccessibleStepField(field);
    }
    if (auto* text = dynamic_cast<WrappedText*>(object)) {
        return new AccessibleText(text);
    }
    if (auto* announcer = dynamic_cast<Announcer*>(object)) {
        return new QAccessibleWidget(announcer, QAccessible::Notification);
    }
    if (auto* line = dynamic_cast<EngravedLine*>(object)) {
        return new QAccessibleWidget(line, QAccessible::Separator);
    }
    if (auto* dialog = dynamic_cast<PictureDialog*>(object)) {
        return new AccessibleDialog(dialog);
    }
    return nullptr;
}

void notify(QObject* object, QAccessible::Event type)
{
    if (QAccessible::isActive()) {
        QAccessibleEvent event(object, type);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace

namespace accessibility {

QStringList ActingWidget::actionNames() const
{
    QStringList names;
    if (widget()->isEnabled()) {
        names << ownAction();
    }
    return names + QAccessibleWidget::actionNames();
}

void ActingWidget::doAction(const QString& action)
{
    if (action == ownAction() && widget()->isEnabled()) {
        act();
    } else {
        QAccessibleWidget::doAction(action);
    }
}

void install()
{
    QAccessible::installFactory(interfaceFor);
}

void nameChanged(QObject* object)
{
    notify(object, QAccessible::NameChanged);
}

void descriptionChanged(QObject* object)
{
    notify(object, QAccessible::DescriptionChanged);
}

} // namespace accessibility
