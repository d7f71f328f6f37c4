#include "ui/qt_questions.h"

#include "platform/app_identity.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QStandardPaths>

namespace {

// Room for a window frame's close button and the title's margins.
constexpr int titleBarButtonsWidth = 80;

// The window a dialog of the desktop's belongs to: the one the user is working in. The
// window manager keeps the dialog above it (the program's windows stay above the clock).
QWidget* askingWindow()
{
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : QApplication::activeWindow();
}

} // namespace

void QtQuestions::showMessage(const QString& text, const QString& caption)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QString title = caption.isEmpty() ? applicationTitle() : caption;
    QMessageBox box(QMessageBox::NoIcon, title, shown, QMessageBox::Ok, askingWindow());
    // A plain dialog: a title and a close button, nothing to minimise or maximise.
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint);
    // Wide enough for the whole title beside the frame's close button.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int width = QFontMetrics(box.font()).horizontalAdvance(title) * 3 / 2 + titleBarButtonsWidth;
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(),
                      0, 1, grid->columnCount());
    }
    box.exec();
}

QString QtQuestions::chooseOpenFile(const QString& title, const QString& filter, const QString& current)
{
    QWidget* asking = askingWindow();
    // Not the program's folder, which holds no file a user would choose.
    QString startAt = !current.isEmpty() ? current : lastFolder_;
    if (startAt.isEmpty()) {
        startAt = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
        if (!QFileInfo(startAt).isDir()) {
            startAt = QDir::homePath();
        }
    }
    QFileDialog dialog(asking, title, startAt, filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // The filter's name already lists its patterns: show it once.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    // The window manager gives the asking window back its activation only later: a
    // message about the choice shown before then would belong to no window and open
    // beneath the program's windows.
    if (asking) {
        QApplication::setActiveWindow(asking);
    }
    if (!chosen) {
        return {};
    }
    const QString path = dialog.selectedFiles().front();
    lastFolder_ = QFileInfo(path).absolutePath();
    return QDir::toNativeSeparators(path);
}

std::optional<ColourRef> QtQuestions::chooseColour(ColourRef initial,
                                                   const std::array<ColourRef, 16>& customColours)
{
    for (int i = 0; i < int(customColours.size()); ++i) {
        QColorDialog::setCustomColor(i, toQColor(customColours[std::size_t(i)]));
    }
    QColorDialog dialog(toQColor(initial), askingWindow());
    if (dialog.exec() != QDialog::Accepted || !dialog.selectedColor().isValid()) {
        return std::nullopt;
    }
    return fromQColor(dialog.selectedColor());
}
