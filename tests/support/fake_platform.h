#pragma once

#include "platform/platform.h"

#include <QDateTime>
#include <QStringList>
#include <vector>

// A scripted desktop: the test sets the time and the program folder, and reads back
// every message box the program showed.
class FakePlatform final : public Platform
{
public:
    struct Message
    {
        QString text;
        QString caption;
    };

    explicit FakePlatform(QString programFolder = QString());

    LocalTime now() const override { return now_; }
    QString programFolder() const override { return programFolder_; }
    void showMessage(const QString& text, const QString& caption) override;

    void setNow(const QDateTime& dateTime) { now_ = LocalTime::fromDateTime(dateTime); }
    void setNow(int hour, int minute, int second);

    std::vector<Message> messages;

private:
    LocalTime now_;
    QString programFolder_;
};
