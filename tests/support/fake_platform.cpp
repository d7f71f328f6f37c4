#include "support/fake_platform.h"

FakePlatform::FakePlatform(QString programFolder) : programFolder_(std::move(programFolder))
{
    setNow(QDateTime(QDate(2024, 5, 17), QTime(9, 5, 0)));
}

void FakePlatform::showMessage(const QString& text, const QString& caption)
{
    messages.push_back({text, caption});
}

void FakePlatform::setNow(int hour, int minute, int second)
{
    now_.hour = hour;
    now_.minute = minute;
    now_.second = second;
}
