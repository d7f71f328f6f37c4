#pragma once

#include "settings_store/colour.h"

class QLabel;

// Gives a label the look the dialogs use: a face and size in points, a text colour,
// and no background of its own, so the dialog's picture shows through.
void styleLabel(QLabel* label, const QString& family, double pointSize, ColourRef colour, bool bold = false);
