#pragma once

#include <QWidget>

// Words a screen reader speaks at once where no focus, check or value carries them (an
// alarm deleted, a design applied): a notification that shows for each announcement,
// which screen readers speak as it shows (Qt 6.4 has no announcement of its own, and
// Orca speaks no change of a name or description that Qt reports). It paints nothing
// and takes no input: a window looks the same with it.
class Announcer final : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget* window);

    void announce(const QString& words);
};
