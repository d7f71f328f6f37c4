#pragma once

#include <QString>
#include <optional>

class QLineEdit;
class QRect;
class QWidget;
class Questions;
class SoundOutput;

// Asks for a wave file, the file dialog opening at `current` when there is one, and
// checks it at once: a file that cannot be played is refused now, with the reason,
// rather than when it should sound. None when nothing was chosen or the file was refused.
std::optional<QString> chooseWave(Questions& questions, const SoundOutput& sound,
                                  const std::optional<QString>& current);

// The field that shows a chosen sound, in the stepping bars' colours: it only shows, the
// bars beside it change it, so nothing in it can be typed, selected or focused.
QLineEdit* addSoundField(QWidget* parent, const QRect& geometry, const char* name);
// Shows the standard sound's word, or the wave file's path shortened in the middle to
// `width` pixels.
void showSound(QLineEdit* field, const std::optional<QString>& waveFile, int width);
