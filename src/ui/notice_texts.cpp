#include "ui/notice_texts.h"

#include "face/face_layout.h"
#include "storage/record.h"
#include "storage/stored_file.h"

#include <QDir>

namespace notice_text {

namespace {

// The cause as a sentence.
QString causeOf(const FileFailure& failure)
{
    switch (failure.cause) {
    case FileFailure::Cause::Missing:
        return QStringLiteral("ファイルがありません。");
    case FileFailure::Cause::NotRegularFile:
        return QStringLiteral("通常のファイルではありません。");
    case FileFailure::Cause::TooLarge:
        return QStringLiteral("ファイルが大きすぎます（上限 %1 バイト）。").arg(maxStoredFileBytes);
    case FileFailure::Cause::NoPermission:
        return QStringLiteral("アクセスする権限がありません。");
    case FileFailure::Cause::ReadOnlyDisk:
        return QStringLiteral("読み取り専用のディスクにあります。");
    case FileFailure::Cause::DiskFull:
        return QStringLiteral("ディスクの空き容量が足りません。");
    case FileFailure::Cause::CannotRead:
        return QStringLiteral("読み込み中にエラーが起きました。");
    case FileFailure::Cause::CannotWrite:
        break;
    }
    return QStringLiteral("書き込み中にエラーが起きました。");
}

// What happened, the file, and why.
QString threeLines(const QString& what, const FileFailure& failure, const QString& why)
{
    return QStringLiteral("%1\n%2\n%3").arg(what, QDir::toNativeSeparators(failure.path), why);
}

// A value as a message quotes it: a whole file of digits would make a box taller than
// the screen.
QString quoted(const QString& value)
{
    constexpr qsizetype shown = 40;
    return value.size() <= shown ? value : value.left(shown) + u'…';
}

} // namespace

QString settingsNotLoaded(const SettingsLoadFailure& failure)
{
    using Problem = SettingsLoadFailure::Problem;
    QString why;
    switch (failure.problem) {
    case Problem::Unreadable:
        why = causeOf(failure.file);
        break;
    case Problem::TooFewValues:
        why = QStringLiteral("値が %1 個必要ですが、%2 個しかありません。")
                  .arg(failure.valuesNeeded)
                  .arg(failure.valuesFound);
        break;
    case Problem::NotANumber:
        why = QStringLiteral("%1 番目の値「%2」が数値ではありません。")
                  .arg(failure.valueNumber)
                  .arg(quoted(failure.value));
        break;
    case Problem::OutOfRange:
        why = QStringLiteral("%1 番目の値 %2 が範囲（%3～%4）の外にあります。")
                  .arg(failure.valueNumber)
                  .arg(quoted(failure.value))
                  .arg(formatRecordNumber(failure.low), formatRecordNumber(failure.high));
        break;
    }
    return threeLines(QStringLiteral("設定ファイルを読み込めないため、起動できません。"), failure.file, why);
}

QString settingsNotPrepared(const settings_location::PreparationFailure& failure)
{
    using Step = settings_location::PreparationFailure::Step;
    const QString what = failure.step == Step::MakeFolder
                             ? QStringLiteral("設定フォルダーを作れないため、起動できません。")
                             : QStringLiteral("設定ファイルを用意できないため、起動できません。");
    return threeLines(what, failure.file, causeOf(failure.file));
}

QString settingsNotSaved(const FileFailure& failure)
{
    return threeLines(QStringLiteral("設定ファイルを保存できませんでした。"), failure, causeOf(failure));
}

QString alarmsNotRead(const FileFailure& failure)
{
    return threeLines(QStringLiteral("アラームの設定を読み込めませんでした。"), failure, causeOf(failure));
}

QString alarmTimeNotRead(const alarm_file::UnreadableTime& unreadable)
{
    return threeLines(QStringLiteral("アラームの設定を読み込めませんでした。"), {.path = unreadable.path},
                      QStringLiteral("%1 番目のアラームの時刻「%2」は 00:00～23:59 の時刻として読めないため、"
                                     "鳴りません。")
                          .arg(unreadable.alarmNumber)
                          .arg(quoted(unreadable.time)));
}

QString alarmsNotSaved(const FileFailure& failure)
{
    return threeLines(QStringLiteral("アラームの設定を保存できませんでした。"), failure, causeOf(failure));
}

QString optionsNotRead(const FileFailure& failure)
{
    return threeLines(QStringLiteral("追加の設定を読み込めないため、既定の設定を使います。"), failure,
                      causeOf(failure));
}

QString startupRegistered(bool done, DesktopFamily family)
{
    if (done) {
        return QStringLiteral("登録が完了しました。");
    }
    switch (family) {
    case DesktopFamily::Windows:
        return QStringLiteral("ショートカットが作成できませんでした。");
    case DesktopFamily::Freedesktop:
        break;
    }
    return QStringLiteral("スタートアップに登録できませんでした。");
}

QString startupUnregistered(bool done, DesktopFamily family)
{
    if (done) {
        return QStringLiteral("削除が完了しました。");
    }
    switch (family) {
    case DesktopFamily::Windows:
        return QStringLiteral(
            "ショートカットが削除できませんでした。\r\nもしくはすでにファイルは削除されています。");
    case DesktopFamily::Freedesktop:
        break;
    }
    return QStringLiteral(
        "スタートアップの登録が削除できませんでした。\r\nもしくはすでに登録は削除されています。");
}

QString clickThroughBegun()
{
    return QStringLiteral(
        "時計へのクリックは、下にあるウィンドウに届くようになりました。\r\n"
        "元に戻すには、通知領域のアイコンのメニューで「クリック透過をやめる」を選んでください。\r\n"
        "もう一度起動すると設定が開きますので、そのオプションで切ることもできます。");
}

QString waveRefused(const QString& path, WaveProblem problem)
{
    QString why;
    switch (problem) {
    case WaveProblem::Unreadable:
        why = QStringLiteral("ファイルを開けません。");
        break;
    case WaveProblem::NotWave:
        why = QStringLiteral("wavファイルではありません。");
        break;
    case WaveProblem::Damaged:
        why = QStringLiteral("wavファイルが壊れています。");
        break;
    case WaveProblem::NoSound:
        why = QStringLiteral("音が入っていません。");
        break;
    case WaveProblem::Encoding:
        why = QStringLiteral("この形式（圧縮された音声など）は再生できません。");
        break;
    case WaveProblem::Channels:
        why = QStringLiteral("再生できるのはモノラルとステレオの音声です。");
        break;
    case WaveProblem::SampleSize: {
        QStringList integers;
        for (int bytes = 1; bytes <= wave_limits::maxIntegerBytes; ++bytes) {
            integers.append(QString::number(bytes * 8));
        }
        QStringList floats;
        for (const int bytes : wave_limits::floatBytes) {
            floats.append(QString::number(bytes * 8));
        }
        why = QStringLiteral("再生できるのは %1 ビットの整数と %2 ビットの浮動小数点の音声です。")
                  .arg(integers.join(u'・'), floats.join(u'・'));
        break;
    }
    case WaveProblem::SampleRate:
        why = QStringLiteral("再生できるのはサンプリング周波数 %1～%2 Hz の音声です。")
                  .arg(wave_limits::minSampleRate)
                  .arg(wave_limits::maxSampleRate);
        break;
    }
    return QStringLiteral("このファイルはアラーム音に使えません。\n%1\n%2")
        .arg(QDir::toNativeSeparators(path), why);
}

QString nextAlarm(const std::optional<ClockModel::NextAlarm>& next)
{
    if (!next) {
        return {};
    }
    QString words = QStringLiteral("次のアラーム ");
    if (!next->today) {
        words += face_layout::weekdayCharacter(next->weekday) + u' ';
    }
    words += next->alarm.at.toString(QStringLiteral("H:mm"));
    if (next->alarm.showsMessage && !next->alarm.message.isEmpty()) {
        words += u' ' + next->alarm.message;
    }
    return words;
}

QString alarmsMissed(const std::vector<ClockModel::MissedAlarm>& missed)
{
    QStringList lines{QStringLiteral("鳴らなかったアラーム")};
    for (const ClockModel::MissedAlarm& one : missed) {
        if (lines.size() > missedLinesShown) {
            lines.append(QStringLiteral("ほか %1 件").arg(missed.size() - missedLinesShown));
            break;
        }
        QString line = one.alarm.at.toString(QStringLiteral("H:mm"));
        if (!one.today) {
            line.prepend(face_layout::weekdayCharacter(one.day.dayOfWeek() % 7) + u' ');
        }
        if (one.alarm.showsMessage && !one.alarm.message.isEmpty()) {
            line += u'　' + one.alarm.message;
        }
        lines.append(line);
    }
    return lines.join(QStringLiteral("\r\n"));
}

QString alarmRang(const Alarm& alarm)
{
    return alarm.message + QStringLiteral("\r\n\r\n設定時刻  ") + alarm.at.toString(QStringLiteral("hh")) +
           u'：' + alarm.at.toString(QStringLiteral("mm"));
}

} // namespace notice_text
