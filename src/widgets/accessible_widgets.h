#pragma once

#include "core/colour.h"

#include <QAccessibleWidget>
#include <QRgb>
#include <array>

// How screen readers read what Qt cannot know of the widget kit: a picture view is a
// graphic named by what it shows, a swatch with its colour; wrapped text is a label; an
// engraved line is a separator; a dialog is a dialog, or an alert; a step field is a spin
// button with its value and range. The buttons are Qt's
// own (QAccessibleButton reads their text(), accessibleName and accessibleDescription,
// their check and press).
namespace accessibility {

// Makes Qt use these interfaces. Call once the QApplication exists, so that they come
// before Qt's own interfaces for plain widgets.
void install();

// Tells a listening screen reader that what it reads of an object changed. Without one
// listening these do nothing, and cost nothing.
void nameChanged(QObject* object);
void descriptionChanged(QObject* object);

// A colour with a name a listener knows.
struct NamedColour
{
    const char* name;
    QRgb rgb;
};
// The names a colour is said by; a colour takes the nearest, where it lies within
// nearEnough of it (distance in red, green and blue).
const std::array<NamedColour, 20>& namedColours();
inline constexpr int nearEnough = 48;
// A colour as a screen reader says it: the nearest name where one fits, and always its
// red, green and blue (濃い灰色、赤 79、緑 79、青 79).
QString colourInWords(ColourRef colour);

// A widget a screen reader acts on: one action of its own, offered and run only while
// the widget is enabled (a window waiting for another is disabled), beside Qt's own.
class ActingWidget : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    QStringList actionNames() const override;
    void doAction(const QString& action) override;

protected:
    virtual const QString& ownAction() const = 0;
    virtual void act() = 0;
};

} // namespace accessibility
