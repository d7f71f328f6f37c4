#include "ui/choose_wave.h"

#include "platform/sound_output.h"
#include "storage/alarm_file.h"
#include "ui/notice_texts.h"
#include "ui/questions.h"
#include "widgets/highlight_bar.h"

#include <QLineEdit>

std::optional<QString> chooseWave(Questions& questions, const SoundOutput& sound,
                                  const std::optional<QString>& current)
{
    const QString path = questions.chooseOpenFile(QStringLiteral("ファイルを開く"),
                                                  QStringLiteral("wavファイル(*.wav,*.WAV) (*.wav *.WAV)"),
                                                  current.value_or(QString()));
    if (path.isEmpty()) {
        return std::nullopt;
    }
    if (const std::optional<WaveProblem> problem = sound.checkWave(path)) {
        questions.showMessage(notice_text::waveRefused(path, *problem), QStringLiteral("設定エラー"));
        return std::nullopt;
    }
    return path;
}

QLineEdit* addSoundField(QWidget* parent, const QRect& geometry, const char* name)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setGeometry(geometry);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setContextMenuPolicy(Qt::NoContextMenu);
    field->setFrame(false);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, toQColor(HighlightBar::normalColour));
    palette.setColor(QPalette::Text, toQColor(0x00E0E0E0));
    field->setPalette(palette);
    return field;
}

void showSound(QLineEdit* field, const std::optional<QString>& waveFile, int width)
{
    field->setText(waveFile ? QFontMetrics(field->font()).elidedText(*waveFile, Qt::ElideMiddle, width)
                            : alarm_file::standardSound);
}
