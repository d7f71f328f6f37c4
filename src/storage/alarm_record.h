#pragma once

#include <QString>
#include <vector>

// One alarm: five text fields, in the order of the alarm file.
struct AlarmRecord
{
    QString time;    // "hh:mm"
    QString enabled; // "1" enabled, "0" disabled
    QString sound;   // standardSound, or the full path of a wave file
    QString display; // displayOn: show the message window when ringing; displayOff: don't
    QString message;

    friend bool operator==(const AlarmRecord&, const AlarmRecord&) = default;
};

// The alarm table: the records in file order.
using AlarmTable = std::vector<AlarmRecord>;

namespace alarm_text {

inline const QString standardSound = QStringLiteral("標準");
inline const QString displayOn = QStringLiteral(" 表示 ");
inline const QString displayOff = QStringLiteral("非表示");
inline const QString defaultMessage = QStringLiteral("時間になりました。");
inline const QString enabledOn = QStringLiteral("1");
inline const QString enabledOff = QStringLiteral("0");

} // namespace alarm_text
