#include "ui/clock_menu.h"

#include "model/clock_model.h"
#include "platform/app_identity.h"
#include "ui/dialogs.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

QPoint menuPosition(QPoint pointer, QSize size, QRect freeArea)
{
    const auto place = [](int at, int length, int first, int last) {
        const int start = at + length <= last + 1 ? at : at - length;
        return std::clamp(start, first, std::max(first, last + 1 - length));
    };
    return {place(pointer.x(), size.width(), freeArea.left(), freeArea.right()),
            place(pointer.y(), size.height(), freeArea.top(), freeArea.bottom())};
}

ClockMenu::ClockMenu(ClockModel& model, Dialogs& dialogs) : model_(model)
{
    menu_.setAccessibleName(applicationTitle());
    connect(menu_.addAction(QStringLiteral("設定")), &QAction::triggered, &dialogs, &Dialogs::openSettings);
    connect(menu_.addAction(QStringLiteral("製品情報")), &QAction::triggered, &dialogs, &Dialogs::openAbout);
    endClickThrough_ = menu_.addAction(QStringLiteral("クリック透過をやめる"));
    connect(endClickThrough_, &QAction::triggered, &model, [&model] { model.setClickThrough(false); });
    connect(&model, &ClockModel::clickThroughChanged, this, &ClockMenu::showEntries);
    showEntries();
    menu_.addSeparator();
    connect(menu_.addAction(QStringLiteral("終  了")), &QAction::triggered, this, &ClockMenu::quitChosen);
}

void ClockMenu::showEntries()
{
    endClickThrough_->setVisible(model_.clickThrough());
}

void ClockMenu::open(QPoint at, MenuOpening opening)
{
    if (opening == MenuOpening::Keyboard) {
        // Selected once shown: the menu clears its selection as it opens.
        connect(
            &menu_, &QMenu::aboutToShow, this, [this] { menu_.setActiveAction(menu_.actions().value(0)); },
            Qt::SingleShotConnection);
    }
    const QScreen* screen = QGuiApplication::screenAt(at);
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    menu_.exec(screen ? menuPosition(at, menu_.sizeHint(), screen->availableGeometry()) : at);
}
