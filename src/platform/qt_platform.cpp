#include "platform/qt_platform.h"

#include "platform/app_identity.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <ctime>

LocalTime QtPlatform::now() const
{
    // The C library's local time: no Qt objects, so the 250 ms ticks allocate nothing.
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
#ifdef Q_OS_WIN
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    return LocalTime{
        .year = local.tm_year + 1900,
        .month = local.tm_mon + 1,
        .day = local.tm_mday,
        .weekday = local.tm_wday,
        .hour = local.tm_hour,
        .minute = local.tm_min,
        .second = local.tm_sec,
    };
}

QString QtPlatform::programFolder() const
{
    return QCoreApplication::applicationDirPath();
}

void QtPlatform::showMessage(const QString& text, const QString& caption)
{
    QMessageBox box(QMessageBox::NoIcon, caption.isEmpty() ? applicationTitle() : caption, text, QMessageBox::Ok);
    box.exec();
}
