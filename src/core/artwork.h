#pragma once

#include <QString>

// Every picture the program shows, by its name in the artwork catalogue (assets/, drawn
// by tools/artgen and compiled in as resources). Each name is written here once.
namespace artwork {

// A catalogue path as the resource path the program loads it from.
inline QString resource(const QString& path)
{
    return QStringLiteral(":/") + path;
}
inline QString resource(const char* path)
{
    return resource(QString::fromLatin1(path));
}

// Every picture comes drawn at 1x and at 2x. The 2x one is "<name>@2x.png", the name Qt's
// image loading knows: it gives the picture a device pixel ratio of 2, so it covers the
// same logical size. The icons are the exception: they are a ladder of sizes instead.
inline constexpr int pictureScales[] = {1, 2};

// The catalogue path of a picture drawn at `scale`.
inline QString atScale(const QString& path, int scale)
{
    if (scale == 1) {
        return path;
    }
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return path.left(dot) + QStringLiteral("@%1x").arg(scale) + path.mid(dot);
}
inline QString atScale(const char* path, int scale)
{
    return atScale(QString::fromLatin1(path), scale);
}

// The pictures a screen of this device pixel ratio shows: the 2x ones on any screen
// scaled above 100 %, scaled down from there on fractional scales.
inline int pictureScale(qreal devicePixelRatio)
{
    return devicePixelRatio > 1.0 ? 2 : 1;
}

// Window backgrounds; each window is exactly the size of its picture.
namespace background {
inline constexpr char settings[] = "backgrounds/Form3.png";
inline constexpr char message[] = "backgrounds/Form4.png";
inline constexpr char alarmEdit[] = "backgrounds/Form5.png";
inline constexpr char handColour[] = "backgrounds/Form6.png";
inline constexpr char designChooser[] = "backgrounds/Form7.png";
inline constexpr char alarmList[] = "backgrounds/Form8.png";
inline constexpr char readoutColour[] = "backgrounds/Form9.png";
inline constexpr char about[] = "backgrounds/Seihin.png";
} // namespace background

// Three-state button faces, each three pictures (buttonPictures).
namespace face {
inline constexpr char close[] = "Close";
inline constexpr char closeSmall[] = "CloseSmall";
inline constexpr char apply[] = "Apply";
inline constexpr char change[] = "Change";
inline constexpr char cancel[] = "Cancel";
inline constexpr char alarms[] = "Alm";
inline constexpr char design[] = "Pic";
inline constexpr char alwaysOnTop[] = "Mae";
inline constexpr char normalStacking[] = "Usi";
inline constexpr char trayIconOn[] = "TryOn";
inline constexpr char trayIconOff[] = "TryOff";
inline constexpr char registerStartup[] = "StrtUp";
inline constexpr char unregisterStartup[] = "StrtUpDel";
inline constexpr char secondHandOn[] = "SSon";
inline constexpr char secondHandOff[] = "SSoff";
inline constexpr char handColour[] = "HariCol";
inline constexpr char readoutColour[] = "Col";
inline constexpr char colonShown[] = "ColonA";
inline constexpr char colonHidden[] = "ColonB";
} // namespace face

// The pictures of a button face: "buttons/<face>.png" as it normally shows, "<face>_P"
// while it is pressed and "<face>_B" while the pointer is over it.
struct ButtonPictures
{
    QString normal;
    QString pressed;
    QString hover;
};
inline ButtonPictures buttonPictures(const char* face)
{
    const QString base = QStringLiteral("buttons/") + QLatin1String(face);
    return {base + QStringLiteral(".png"), base + QStringLiteral("_P.png"), base + QStringLiteral("_B.png")};
}

// The frame behind the chosen and the other option of a pair.
inline constexpr char choiceSelected[] = "buttons/Asi.png";
inline constexpr char choiceUnselected[] = "buttons/NoAsi.png";

// Captions of the highlight-bar buttons.
namespace caption {
inline constexpr char addAlarm[] = "captions/AlmPlus.png";
inline constexpr char changeAlarm[] = "captions/SetHen.png";
inline constexpr char deleteAlarm[] = "captions/BtnAlmDel.png";
inline constexpr char standardSound[] = "captions/FutWav.png";
inline constexpr char chooseWave[] = "captions/HenWav.png";
inline constexpr char stepUp[] = "captions/TimeUp.png";
inline constexpr char stepDown[] = "captions/TimeDown.png";
inline constexpr char makerSite[] = "captions/Btn1a.png";
inline constexpr char guidePage[] = "captions/Btn2a.png";
inline constexpr char hourHandColour[] = "captions/Bt_TH.png";
inline constexpr char minuteHandColour[] = "captions/Bt_TM.png";
inline constexpr char secondHandColour[] = "captions/Bt_TS.png";
inline constexpr char pickColour[] = "captions/Picture2.png";
} // namespace caption

// The clock's digit strips and bell sprite, and the hand colour window's small face.
inline constexpr char smallDigitStrip[] = "clock/TimPcS.png";
inline constexpr char largeDigitStrip[] = "clock/TimPcM.png";
inline constexpr char bellSprite[] = "clock/Pic_AlmK.png";
inline constexpr char handPreviewFace[] = "appearance/PicT.png";

// The full-size picture of design `index` (0..6) and its preview in the design chooser.
inline QString designPicture(int index)
{
    return QStringLiteral("designs/D_Pic%1.png").arg(index);
}
inline QString designPreview(int index)
{
    return QStringLiteral("previews/Neko%1.png").arg(index);
}

// The program's icon at one of iconSizes.
inline constexpr int iconSizes[] = {32, 48, 64, 128, 256};
inline QString icon(int size)
{
    return QStringLiteral("icon/icon%1.png").arg(size);
}

} // namespace artwork
