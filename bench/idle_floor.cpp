// The least a desktop clock with a date can cost on Qt: a frameless window that paints
// today's date in Japanese once a second. scripts/measure-idle runs it beside the clock
// as the floor of the clock's memory.
#include <QApplication>
#include <QDateTime>
#include <QLocale>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class DateLine final : public QWidget
{
public:
    DateLine() : QWidget(nullptr, Qt::FramelessWindowHint)
    {
        setFont(QFont(QStringLiteral("IPAGothic"), 8));
        resize(120, 24);
        connect(&timer_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
        timer_.start(1000);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.drawText(rect(), Qt::AlignCenter,
                         japanese_.toString(QDate::currentDate(), QStringLiteral("yyyy/MM/dd (ddd)")));
    }

private:
    QLocale japanese_{QLocale::Japanese, QLocale::Japan};
    QTimer timer_;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    DateLine line;
    line.show();
    return QApplication::exec();
}
