#include "ui/spoken_time.h"

#include "face/face_layout.h"

QString spokenTime(const LocalTime& time, bool bellShown)
{
    // Noon is 午後0時 and midnight 午前0時, as Japanese clocks say them.
    const QString clock = QStringLiteral("%1%2時%3分")
                              .arg(time.hour < 12 ? QStringLiteral("午前") : QStringLiteral("午後"))
                              .arg(time.hour % 12)
                              .arg(time.minute, 2, 10, QLatin1Char('0'));
    const QString date = QStringLiteral("%1年%2月%3日 %4曜日")
                             .arg(time.year)
                             .arg(time.month)
                             .arg(time.day)
                             .arg(face_layout::weekdayCharacter(time.weekday));
    QString spoken = clock + u'、' + date;
    if (bellShown) {
        spoken += QStringLiteral("、アラーム設定あり");
    }
    return spoken;
}
