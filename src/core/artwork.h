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

// Three-state button faces: "buttons/<face>.png" is the normal picture, "<face>_P" the
// pressed one and "<face>_B" the hover one.
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
