#pragma once

#include <QColor>
#include <QRgb>

// The house palette: every picture takes its colours from here, so the family stays one.
namespace palette {

// Key colours of the cat designs: the clock cuts its outline wherever these show.
inline constexpr QRgb keyMagenta = 0xFFFE01FE;
inline constexpr QRgb keyPureMagenta = 0xFFFF00FF;

// Figures.
inline const QColor edge{0x14, 0x14, 0x18}; // silhouette line, and what edges blend onto
inline const QColor blackFur{0x2A, 0x2A, 0x30};
inline const QColor blackFurSheen{0x3A, 0x3A, 0x42};
inline const QColor greyFur{0x9A, 0x9A, 0xA4};
inline const QColor greyFurSheen{0xB4, 0xB4, 0xBE};
inline const QColor earPink{0xF5, 0x9C, 0xB8};
inline const QColor nosePink{0xF2, 0x80, 0xA0};
inline const QColor eyeWhite{0xFF, 0xFF, 0xFF};
inline const QColor pupil{0x1E, 0x1E, 0x24};
inline const QColor mouthOnBlack{0x6E, 0x6E, 0x78};
inline const QColor mouthOnGrey{0x3C, 0x3C, 0x44};

// Clocks.
inline const QColor dialWhite{0xFF, 0xFF, 0xFF};
inline const QColor dialRim{0x3C, 0x3C, 0x44};
inline const QColor dialRimLight{0x66, 0x66, 0x70};
inline const QColor dialInk{0x3C, 0x3C, 0x44};
inline const QColor dialTick{0x74, 0x74, 0x7E};
inline const QColor plate{0x9C, 0x9C, 0xA6};
inline const QColor plateLight{0xC4, 0xC4, 0xCC};
inline const QColor logoPink{0xFB, 0xDC, 0xE6};
inline const QColor readoutBlack{0x00, 0x00, 0x00};

// Windows.
inline const QColor body{0x42, 0x42, 0x42};
inline const QColor titleStrip{0x2D, 0x2D, 0x31};
inline const QColor frameDark{0x1A, 0x1A, 0x1E};
inline const QColor bevelLight{0x70, 0x70, 0x78};
inline const QColor titleText{0xFF, 0xFF, 0xFF};
inline const QColor productText{0x9A, 0x9A, 0xA4};
inline const QColor clockText{0xE0, 0xE0, 0xE0};

// Buttons and captions.
inline const QColor tile{0x58, 0x58, 0x60};
inline const QColor tileTop{0x66, 0x66, 0x6E};
inline const QColor tileHover{0x4C, 0x62, 0xC8};
inline const QColor tileHoverTop{0x5E, 0x76, 0xDE};
inline const QColor tilePressed{0x1E, 0x2C, 0x6A};
inline const QColor tilePressedTop{0x18, 0x24, 0x58};
inline const QColor buttonText{0xF0, 0xF0, 0xF0};
inline const QColor okBlue{0x5C, 0xB4, 0xFF};
inline const QColor cancelRed{0xF0, 0x50, 0x5C};
inline const QColor selectBlue{0x56, 0x74, 0xFB};
inline const QColor selectBlueEdge{0x9C, 0xAE, 0xFF};
inline const QColor startGreen{0x3C, 0xB4, 0x5A};
inline const QColor captionText{0xD2, 0xD2, 0xD2};
inline const QColor captionBack{0x2E, 0x2E, 0x2E};
inline const QColor previewGrey{100, 100, 100};

} // namespace palette
