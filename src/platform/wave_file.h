#pragma once

#include <QString>

// Whether the file starts like a RIFF wave file: the one kind of sound file an alarm plays.
bool looksLikeWave(const QString& path);
