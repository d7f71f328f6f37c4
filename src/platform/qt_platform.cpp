#include "platform/qt_platform.h"

#include "platform/app_identity.h"
#include "platform/autostart.h"
#include "platform/settings_location.h"

#include <QApplication>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QSystemTrayIcon>
#include <chrono>
#include <ctime>

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

QtPlatform::QtPlatform()
{
    const settings_location::Layout layout = settings_location::current();
    settingsFolder_ = settings_location::settingsFolder(layout);
    dataFolder_ = settings_location::dataFolder(layout);
}

QtPlatform::~QtPlatform() = default;

void QtPlatform::prepareProcess()
{
    // On X11 Qt hands window images over in shared memory, and before each redraw waits
    // for the X server to answer that it has read the last one: a round trip that wakes
    // Qt's event reader thread at every tick. The clock's windows are small enough to
    // send their pixels with the request, which needs no answer.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
}

LocalTime QtPlatform::now() const
{
    // The C library's local time: no Qt objects, so the ticks allocate nothing.
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    const auto wholeSeconds = std::chrono::floor<std::chrono::seconds>(sinceEpoch);
    const std::time_t seconds = std::time_t(wholeSeconds.count());
    std::tm local{};
#ifdef Q_OS_WIN
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    LocalTime reading{
        .year = local.tm_year + 1900,
        .month = local.tm_mon + 1,
        .day = local.tm_mday,
        .weekday = local.tm_wday,
        .hour = local.tm_hour,
        .minute = local.tm_min,
        .second = local.tm_sec,
        .millisecond =
            int(std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch - wholeSeconds).count()),
    };
    // The distance of the local calendar from the moment itself, the same way on every
    // system (Windows' C library has no tm_gmtoff).
    reading.utcOffset = int(reading.localSeconds() - seconds);
    return reading;
}

bool QtPlatform::windowsPlaceAndShapeThemselves() const
{
    return !QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
}

void QtPlatform::showMessage(const QString& text, const QString& caption)
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

bool QtPlatform::playWave(const QString& path)
{
    return sound_.playWave(path);
}

std::optional<WaveProblem> QtPlatform::checkWave(const QString& path) const
{
    return sound_.checkWave(path);
}

void QtPlatform::stopSound()
{
    sound_.stop();
}

void QtPlatform::beep()
{
    sound_.beep();
}

int QtPlatform::popupMenu(const QStringList& entries, QPoint at)
{
    QMenu menu;
    QList<QAction*> actions;
    for (const QString& entry : entries) {
        actions.append(entry == u'-' ? menu.addSeparator() : menu.addAction(entry));
    }
    return int(actions.indexOf(menu.exec(at)));
}

void QtPlatform::addTrayIcon(const QIcon& icon, const QString& tip, std::function<void(TrayPress)> onPress)
{
    if (trayIconWanted_) {
        return;
    }
    trayIconWanted_ = true;
    notificationArea_.whenPresent([this, icon, tip, onPress = std::move(onPress)]() mutable {
        showTrayIcon(icon, tip, std::move(onPress));
    });
}

void QtPlatform::showTrayIcon(const QIcon& icon, const QString& tip, std::function<void(TrayPress)> onPress)
{
    trayIcon_ = std::make_unique<QSystemTrayIcon>(icon);
    trayIcon_->setToolTip(tip);
    // Handled from the event loop, once the press's own event is done with: a panel
    // that asked over D-Bus gets its answer at once, not when the menu closes.
    QObject::connect(
        trayIcon_.get(), &QSystemTrayIcon::activated, trayIcon_.get(),
        [onPress = std::move(onPress)](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::Trigger) {
                onPress(TrayPress::Left);
            } else if (reason == QSystemTrayIcon::Context) {
                onPress(TrayPress::Right);
            }
        },
        Qt::QueuedConnection);
    trayIcon_->show();
}

void QtPlatform::removeTrayIcon()
{
    trayIconWanted_ = false;
    notificationArea_.cancel();
    if (trayIcon_) {
        // The icon may be removed from its own menu: let its signal finish first.
        trayIcon_->hide();
        trayIcon_.release()->deleteLater();
    }
}

bool QtPlatform::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

bool QtPlatform::registerStartup()
{
    return autostart::create(QCoreApplication::applicationFilePath());
}

bool QtPlatform::unregisterStartup()
{
    return autostart::remove(QCoreApplication::applicationFilePath());
}

bool QtPlatform::startsAtLogOn() const
{
    return autostart::isRegistered(QCoreApplication::applicationFilePath());
}

QString QtPlatform::chooseOpenFile(const QString& title, const QString& filter)
{
    QWidget* asking = askingWindow();
    QFileDialog dialog(asking, title, QString(), filter);
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
    return chosen ? dialog.selectedFiles().front() : QString();
}

std::optional<ColourRef> QtPlatform::chooseColour(ColourRef initial,
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
