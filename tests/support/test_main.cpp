#include "platform/fonts.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
#ifdef NEKOTOKEI_TEST_SCREENS
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" NEKOTOKEI_TEST_SCREENS);
#else
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
#endif
    qputenv("QT_SCALE_FACTOR", QByteArray::number(NEKOTOKEI_TEST_SCREEN_SCALE));
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    installFontSubstitutions();
    return RUN_ALL_TESTS();
}
