#include "widgets/announcer.h"

Announcer::Announcer(QWidget* window) : QWidget(window)
{
    setObjectName(QStringLiteral("announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    hide();
}

void Announcer::announce(const QString& words)
{
    hide();
    setAccessibleName(words);
    show();
    lower();
}
