#pragma once

#include "storage/alarm.h"

#include <QAbstractListModel>
#include <optional>
#include <vector>

// The alarm list window's working copy of the alarm table, one entry an alarm. An entry
// shows the alarm's time, and its display flag as well once it was added or changed in
// this window; its check mark is the alarm's enabled flag. A screen reader reads an
// entry as the whole alarm: time, on or off, days, sound, whether the message shows,
// message.
class AlarmListModel final : public QAbstractListModel
{
    Q_OBJECT

public:
    // The headings of an alarm's details, as the window shows them beside the list.
    static inline const QString soundHeading = QStringLiteral("アラーム音色");
    static inline const QString displayHeading = QStringLiteral("メッセージの表示");
    static inline const QString messageHeading = QStringLiteral("メッセージ内容");
    static inline const QString daysHeading = QStringLiteral("曜日");

    // The days an alarm rings on in words: 毎日, 平日, 一度だけ, or the days (月・水・金).
    static QString daysInWords(const AlarmDays& days);
    // Whether an alarm is on, as a screen reader says it: オン or オフ.
    static QString onOrOff(const Alarm& alarm);
    // An alarm's sound as a screen reader says it: a wave file by its name, or 標準.
    static QString soundName(const std::optional<QString>& waveFile);

    AlarmListModel(const AlarmTable& alarms, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    const Alarm& alarm(int row) const { return entries_[std::size_t(row)].alarm; }
    // The working copy with its marks.
    AlarmTable alarms() const;

    // An alarm confirmed in the edit window, marked: in place of `row`, or added at the end.
    void replace(int row, const Alarm& alarm);
    int append(const Alarm& alarm);
    void remove(int row);
    // The table as the file holds it after a save; the entries keep their texts.
    void takeSaved(const AlarmTable& saved);

private:
    // An entry as a screen reader says it.
    static QString spoken(const Alarm& alarm);

    struct Entry
    {
        Alarm alarm;
        bool editedHere;
    };

    std::vector<Entry> entries_;
};
