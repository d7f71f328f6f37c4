#pragma once

#include <QPoint>
#include <QStringList>

class Form1;

// The clock's popup menu: settings, product information, and quit.
class KT_Menu
{
public:
    enum Item
    {
        SoftSet,
        SoftInfo,
        Separator,
        SoftEnd
    };

    explicit KT_Menu(Form1& form1);

    // The captions, in menu order; "-" is the separator line.
    static QStringList captions();

    // Shows the menu at a screen position and runs the chosen command.
    void open(QPoint at);

    void SoftSet_Click();
    void SoftInfo_Click();
    void SoftEnd_Click();

private:
    Form1& form1_;
};
