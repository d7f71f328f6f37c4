#include "ui/alarm_list_model.h"

#include "core/artwork.h"
#include "face/face_layout.h"
#include "storage/alarm_file.h"

#include <QFileInfo>

AlarmListModel::AlarmListModel(const AlarmTable& alarms, QObject* parent) : QAbstractListModel(parent)
{
    for (const Alarm& alarm : alarms) {
        entries_.push_back({alarm, false});
    }
}

int AlarmListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(entries_.size());
}

QVariant AlarmListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return {};
    }
    const Entry& entry = entries_[std::size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return entry.editedHere ? alarm_file::timeText(entry.alarm) + QStringLiteral("  ") +
                                      alarm_file::displayText(entry.alarm)
                                : alarm_file::timeText(entry.alarm);
    case Qt::CheckStateRole:
        return entry.alarm.enabled ? Qt::Checked : Qt::Unchecked;
    case Qt::AccessibleTextRole:
        return spoken(entry.alarm);
    default:
        return {};
    }
}

QString AlarmListModel::daysInWords(const AlarmDays& days)
{
    if (days.once) {
        return QString::fromUtf8(artwork::chip::once.text);
    }
    if (days.weekdays == AlarmDays::everyDay) {
        return QString::fromUtf8(artwork::chip::everyDay.text);
    }
    if (days.weekdays == AlarmDays::workdays) {
        return QString::fromUtf8(artwork::chip::workdays.text);
    }
    QString words;
    for (int day = 0; day < 7; ++day) {
        if ((days.weekdays >> day & 1) != 0) {
            words +=
                (words.isEmpty() ? QString() : QStringLiteral("・")) + face_layout::weekdayCharacter(day);
        }
    }
    return words;
}

QString AlarmListModel::onOrOff(const Alarm& alarm)
{
    return alarm.enabled ? QStringLiteral("オン") : QStringLiteral("オフ");
}

QString AlarmListModel::soundName(const std::optional<QString>& waveFile)
{
    return waveFile ? QFileInfo(*waveFile).fileName() : alarm_file::standardSound;
}

QString AlarmListModel::spoken(const Alarm& alarm)
{
    const QString sound = soundName(alarm.waveFile);
    QStringList parts{
        alarm_file::timeText(alarm),
        onOrOff(alarm),
        daysHeading + u' ' + daysInWords(alarm.days),
        soundHeading + u' ' + sound,
        displayHeading + u' ' + alarm_file::displayText(alarm).trimmed(),
    };
    if (!alarm.message.isEmpty()) {
        parts << messageHeading + u' ' + alarm.message;
    }
    return parts.join(QStringLiteral("、"));
}

bool AlarmListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || !checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return false;
    }
    entries_[std::size_t(index.row())].alarm.enabled = value.value<Qt::CheckState>() == Qt::Checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags AlarmListModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable
                           : Qt::NoItemFlags;
}

AlarmTable AlarmListModel::alarms() const
{
    AlarmTable table;
    for (const Entry& entry : entries_) {
        table.push_back(entry.alarm);
    }
    return table;
}

void AlarmListModel::replace(int row, const Alarm& alarm)
{
    entries_[std::size_t(row)] = {alarm, true};
    emit dataChanged(index(row), index(row));
}

int AlarmListModel::append(const Alarm& alarm)
{
    const int row = rowCount();
    beginInsertRows(QModelIndex(), row, row);
    entries_.push_back({alarm, true});
    endInsertRows();
    return row;
}

void AlarmListModel::remove(int row)
{
    beginRemoveRows(QModelIndex(), row, row);
    entries_.erase(entries_.begin() + row);
    endRemoveRows();
}

void AlarmListModel::takeSaved(const AlarmTable& saved)
{
    if (saved.size() != entries_.size()) {
        beginResetModel();
        entries_.clear();
        for (const Alarm& alarm : saved) {
            entries_.push_back({alarm, false});
        }
        endResetModel();
        return;
    }
    for (std::size_t row = 0; row < saved.size(); ++row) {
        entries_[row].alarm = saved[row];
    }
    if (!entries_.empty()) {
        emit dataChanged(index(0), index(rowCount() - 1));
    }
}
