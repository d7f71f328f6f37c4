#pragma once

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

// The user at a popup menu: notes each opening (where, and its entries in order, "-"
// for a separator), runs `onOpen` while it is open, then chooses the next scripted
// entry by its text with the keyboard, or dismisses the menu (Escape) when none is left.
class MenuUser final : public QObject
{
public:
    struct Opening
    {
        QPoint at;
        QStringList entries;
        QString selected; // the entry selected as the menu shows, if any
    };

    explicit MenuUser(QMenu& menu) : menu_(menu)
    {
        // The menu's own event loop runs once it is shown.
        connect(&menu_, &QMenu::aboutToShow, this,
                [this] { QTimer::singleShot(0, this, &MenuUser::answer); });
    }

    std::vector<Opening> openings;
    QStringList choices;
    std::function<void()> onOpen;

private:
    void answer()
    {
        if (!menu_.isVisible()) {
            return;
        }
        QStringList entries;
        for (const QAction* action : menu_.actions()) {
            if (action->isVisible()) {
                entries.append(action->isSeparator() ? QStringLiteral("-") : action->text());
            }
        }
        const QAction* selected = menu_.activeAction();
        openings.push_back({menu_.pos(), entries, selected ? selected->text() : QString()});
        if (onOpen) {
            onOpen();
        }
        if (!choices.isEmpty()) {
            const QString choice = choices.takeFirst();
            for (QAction* action : menu_.actions()) {
                if (action->text() == choice) {
                    menu_.setActiveAction(action);
                    QTest::keyClick(&menu_, Qt::Key_Return);
                    return;
                }
            }
        }
        QTest::keyClick(&menu_, Qt::Key_Escape);
    }

    QMenu& menu_;
};
