#include "platform/qt_platform.h"

#include <QApplication>
#include <QColorDialog>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The desktop's colour dialog, answered by a "user" once it is up.
TEST(QtPlatformColourDialog, OpensOnTheColourWithTheGivenCustomColours)
{
    struct Case
    {
        bool accept;
        std::optional<ColourRef> result;
    };
    for (const Case& c : {Case{true, 0x030201}, Case{false, std::nullopt}}) {
        QColorDialog::setCustomColor(3, Qt::red); // left over from an earlier opening
        std::array<ColourRef, 16> white;
        white.fill(0xFFFFFF);
        QColor shownColour;
        int whiteCustoms = 0;
        QTimer user;
        QObject::connect(&user, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                return;
            }
            user.stop();
            shownColour = dialog->currentColor();
            for (int i = 0; i < QColorDialog::customCount(); ++i) {
                whiteCustoms += QColorDialog::customColor(i) == QColor(Qt::white);
            }
            if (c.accept) {
                dialog->setCurrentColor(QColor(1, 2, 3));
                dialog->accept();
            } else {
                dialog->reject();
            }
        });
        user.start(10);

        QtPlatform platform;
        const std::optional<ColourRef> result = platform.chooseColour(0x0000FF, white);

        EXPECT_EQ(shownColour, QColor(Qt::red)) << c.accept;
        EXPECT_EQ(whiteCustoms, 16) << c.accept;
        EXPECT_EQ(result, c.result) << c.accept;
    }
}

} // namespace
