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

// A window background and the title its strip shows, which is the window's title too.
// Each window is exactly the size of its picture.
struct Background
{
    const char* path;
    const char* title = nullptr; // none: a frame only
};

namespace background {
inline constexpr Background settings{"backgrounds/Form3.png", "設定"};
inline constexpr Background message{"backgrounds/Form4.png"};
inline constexpr Background alarmEdit{"backgrounds/Form5.png", "アラームの設定"};
inline constexpr Background handColour{"backgrounds/Form6.png", "針の色変更"};
inline constexpr Background designChooser{"backgrounds/Form7.png", "ねこ画像の変更"};
inline constexpr Background alarmList{"backgrounds/Form8.png", "アラーム"};
inline constexpr Background readoutColour{"backgrounds/Form9.png", "時刻・日付の色変更"};
inline constexpr Background about{"backgrounds/Seihin.png", "製品情報"};
inline constexpr Background options{"backgrounds/Options.png", "オプション"};
} // namespace background

// A three-state button face: the name of its three pictures (buttonPictures) and the
// word its picture shows under the icon, if any. The generator draws the word, and a
// screen reader says it as the button's name.
struct Face
{
    const char* name;
    const char* caption = nullptr;
};

namespace face {
inline constexpr Face close{"Close", "閉じる"};
inline constexpr Face closeSmall{"CloseSmall", "閉じる"};
inline constexpr Face snooze{"Snooze", "スヌーズ"};
inline constexpr Face apply{"Apply", "適用"};
inline constexpr Face change{"Change", "変更する"};
inline constexpr Face cancel{"Cancel", "キャンセル"};
inline constexpr Face alarms{"Alm"};
inline constexpr Face design{"Pic"};
inline constexpr Face alwaysOnTop{"Mae"};
inline constexpr Face normalStacking{"Usi"};
inline constexpr Face trayIconOn{"TryOn"};
inline constexpr Face trayIconOff{"TryOff"};
inline constexpr Face registerStartup{"StrtUp"};
inline constexpr Face unregisterStartup{"StrtUpDel"};
inline constexpr Face secondHandOn{"SSon"};
inline constexpr Face secondHandOff{"SSoff"};
inline constexpr Face handColour{"HariCol"};
inline constexpr Face readoutColour{"Col"};
inline constexpr Face colonShown{"ColonA"};
inline constexpr Face colonHidden{"ColonB"};
inline constexpr Face options{"Options", "オプション"};
} // namespace face

// The pictures of a button face: "buttons/<face>.png" as it normally shows, "<face>_P"
// while it is pressed and "<face>_B" while the pointer is over it.
struct ButtonPictures
{
    QString normal;
    QString pressed;
    QString hover;
};
inline ButtonPictures buttonPictures(const Face& face)
{
    const QString base = QStringLiteral("buttons/") + QLatin1String(face.name);
    return {base + QStringLiteral(".png"), base + QStringLiteral("_P.png"), base + QStringLiteral("_B.png")};
}

// The frame behind the chosen and the other option of a pair.
inline constexpr char choiceSelected[] = "buttons/Asi.png";
inline constexpr char choiceUnselected[] = "buttons/NoAsi.png";

// A highlight bar's caption: its picture and the words the picture shows, which the
// generator draws and a screen reader says as the bar's name.
struct Caption
{
    const char* path;
    const char* text;
};

namespace caption {
inline constexpr Caption addAlarm{"captions/AlmPlus.png", "アラームを追加"};
inline constexpr Caption changeAlarm{"captions/SetHen.png", "設定の変更"};
inline constexpr Caption deleteAlarm{"captions/BtnAlmDel.png", "設定を削除する"};
inline constexpr Caption standardSound{"captions/FutWav.png", "標準に戻す"};
inline constexpr Caption chooseWave{"captions/HenWav.png", "変更する"};
inline constexpr Caption stepUp{"captions/TimeUp.png", "▲"};
inline constexpr Caption stepDown{"captions/TimeDown.png", "▼"};
inline constexpr Caption makerSite{"captions/Btn1a.png", "開発・配布元サイト"};
inline constexpr Caption guidePage{"captions/Btn2a.png", "本ソフト専用ウェブページ"};
inline constexpr Caption hourHandColour{"captions/Bt_TH.png", "短針の色を変更"};
inline constexpr Caption minuteHandColour{"captions/Bt_TM.png", "長針の色を変更"};
inline constexpr Caption secondHandColour{"captions/Bt_TS.png", "秒針の色を変更"};
inline constexpr Caption pickColour{"captions/Picture2.png", "色の指定"};
} // namespace caption

// A chip: a small option that is on or off, drawn "chips/<name>.png" while off and
// "chips/<name>_On.png" while on, at its width and chipHeight, with its words. The days
// of the week are chips too (chip::days), drawn with the face layer's names of the days.
struct Chip
{
    const char* name;
    int width;
    const char* text = nullptr;
};

inline constexpr int chipHeight = 17;

namespace chip {
inline constexpr Chip everyDay{"EveryDay", 33, "毎日"};
inline constexpr Chip workdays{"Workdays", 33, "平日"};
inline constexpr Chip once{"Once", 53, "一度だけ"};
inline constexpr Chip chime{"Chime", 45, "鳴らす"};
inline constexpr Chip quietHours{"Quiet", 33, "あり"};
inline constexpr Chip opaqueUnderPointer{"OpaqueUnderPointer", 93, "ポインタで濃く"};
inline constexpr Chip clickThrough{"ClickThrough", 33, "通す"};
inline constexpr Chip days[7] = {{"Day0", 21}, {"Day1", 21}, {"Day2", 21}, {"Day3", 21},
                                 {"Day4", 21}, {"Day5", 21}, {"Day6", 21}};
// Every chip, for the checks of the pictures.
inline constexpr const Chip* all[] = {
    &everyDay,     &workdays, &once,    &chime,   &quietHours, &opaqueUnderPointer,
    &clickThrough, &days[0],  &days[1], &days[2], &days[3],    &days[4],
    &days[5],      &days[6]};
} // namespace chip

struct ChipPictures
{
    QString off;
    QString on;
};
inline ChipPictures chipPictures(const Chip& chip)
{
    const QString base = QStringLiteral("chips/") + QLatin1String(chip.name);
    return {base + QStringLiteral(".png"), base + QStringLiteral("_On.png")};
}

// The clock's digit strips and bell sprite, and the hand colour window's small face.
inline constexpr char smallDigitStrip[] = "clock/TimPcS.png";
inline constexpr char largeDigitStrip[] = "clock/TimPcM.png";
inline constexpr char bellSprite[] = "clock/Pic_AlmK.png";
inline constexpr char handPreviewFace[] = "appearance/PicT.png";

// The standard sound of alarms and confirmations: a wave file made by tools/soundgen and
// compiled in beside the pictures.
inline constexpr char standardSound[] = "sounds/standard.wav";

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
inline constexpr int iconSizes[] = {16, 24, 32, 48, 64, 128, 256};
inline QString icon(int size)
{
    return QStringLiteral("icon/icon%1.png").arg(size);
}

} // namespace artwork
