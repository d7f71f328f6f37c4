#include "app/application.h"
#include "platform/qt_platform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QtPlatform::prepareProcess();
    QApplication app(argc, argv);
    QtPlatform platform;
    Application application(platform);
    if (!application.start()) {
        return 1;
    }
    return QApplication::exec();
}
