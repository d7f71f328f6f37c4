#include "alarms/form4.h"

#include "alarms/form5.h"
#include "alarms/form8.h"
#include "clock/form1.h"
#include "platform/platform.h"
#include "widgets/image_button.h"
#include "widgets/label_style.h"

#include <QEvent>
#include <QLabel>

Form4* Form4::showMessage(Form1& form1, const QString& MsgTxt)
{
    if (Form4* open = form1.windows.form4) {
        open->raise();
        return open;
    }
    auto* window = new Form4(form1, MsgTxt);
    form1.windows.form4 = window;
    window->showCentred();
    return window;
}

Form4::Form4(Form1& form1, const QString& MsgTxt)
    : PictureDialog(QStringLiteral("Form4"), QString()), form1_(form1)
{
    setWindowFlag(Qt::WindowStaysOnTopHint);

    Label1 = new QLabel(this);
    styleLabel(Label1, fixedFace, 9.75, 0x00E0E0E0);
    Label1->setGeometry(5, 12, 230, 49);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setMouseTracking(true);
    Label1->installEventFilter(this);
    dragFrom(Label1);

    Btn = new ImageButton(ButtonFace::load(QStringLiteral("CloseSmall")), BtnDown, this);
    Btn->move(85, 62);
    connect(Btn, &ImageButton::released, this, &Form4::closeReleased);

    if (form1_.Fm1Show == 0) {
        form1_.platform().beep();
    }
    QString shown = MsgTxt;
    Label1->setText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

QString Form4::text() const
{
    return Label1->text();
}

bool Form4::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Label1 && event->type() == QEvent::MouseMove) {
        BtnDown = 0;
    }
    return PictureDialog::eventFilter(watched, event);
}

void Form4::closeReleased()
{
    if (form1_.Fm3Show == 0) {
        form1_.setEnabled(true);
    }
    // The list waits for its edit window while that is open.
    Form8* list = form1_.windows.form8;
    if (list && list->Fm8Show == u"0" && !form1_.windows.form5) {
        list->setEnabled(true);
    }
    BtnDown = 0;
    close();
}
