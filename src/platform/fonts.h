#pragma once

// Maps the Japanese gothic faces the windows are designed with to the IPA faces where
// the original ones are missing, so texts look the same on every desktop.
void installFontSubstitutions();
