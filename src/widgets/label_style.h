#pragma once

#include "core/colour.h"

#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// The face the dialogs are written in, and the clock's fixed-width face.
inline const QString dialogFace = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString fixedFace = QStringLiteral("ＭＳ ゴシック");

// Gives a label the look the dialogs use: a face and size in points, a text colour,
// and no background of its own, so the dialog's picture shows through.
void styleLabel(QLabel* label, const QString& family, double pointSize, ColourRef colour, bool bold = false);

// A label of a dialog at its place, its text starting at the top left.
QLabel* addLabel(QWidget* parent, const QString& text, const QRect& geometry, ColourRef colour,
                 double points = 9, const QString& family = dialogFace, bool bold = false);
