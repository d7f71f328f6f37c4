#include "platform/app_identity.h"
#include "platform/translations.h"
#include "ui/qt_questions.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A "user" who answers the next modal dialog of type T once it is up.
template <typename T>
class User
{
public:
    explicit User(std::function<void(T*)> answer)
    {
        QObject::connect(&timer_, &QTimer::timeout, [this, answer = std::move(answer)] {
            if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
                timer_.stop();
                answer(dialog);
            }
        });
        timer_.start(10);
    }

private:
    QTimer timer_;
};

TEST(QtQuestions, TheColourDialogOpensOnTheColourWithTheGivenCustomColours)
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
        const User<QColorDialog> user([&](QColorDialog* dialog) {
            shownColour = dialog->currentColor();
            for (int i = 0; i < QColorDialog::customCount(); ++i) {
                whiteCustoms += QColorDialog::customColor(i) == QColor(Qt::white);
            }
            if (c.accept) {
                dialog->setCurrentColor(QColor(1, 2, 3));
                static_cast<QDialog*>(dialog)->accept(); // QFileDialog hides its own
            } else {
                dialog->reject();
            }
        });

        QtQuestions questions;
        const std::optional<ColourRef> result = questions.chooseColour(0x0000FF, white);

        EXPECT_EQ(shownColour, QColor(Qt::red)) << c.accept;
        EXPECT_EQ(whiteCustoms, 16) << c.accept;
        EXPECT_EQ(result, c.result) << c.accept;
    }
}

TEST(QtQuestions, MessageBoxesArePlainDialogsWithTheirWholeTitle)
{
    for (const QString& caption : {QString(), u"設定エラー"_s}) {
        const QString title = caption.isEmpty() ? applicationTitle() : caption;
        Qt::WindowFlags flags;
        int width = 0;
        const User<QMessageBox> user([&](QMessageBox* box) {
            flags = box->windowFlags();
            width = box->width();
            EXPECT_EQ(box->windowTitle(), title);
            box->accept();
        });
        QtQuestions().showMessage(u"アラームは10個までです。"_s, caption);
        EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)) << flags;
        EXPECT_TRUE(flags & Qt::CustomizeWindowHint); // only the hints asked for
        EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
        EXPECT_GE(width, QFontMetrics(QApplication::font()).horizontalAdvance(title) + 80);
    }
}

TEST(QtQuestions, TheFileChooserSpeaksJapaneseAndNamesItsFilterOnce)
{
    ASSERT_TRUE(installQtTranslations());
    QString title;
    QString filter;
    QString lookIn;
    const User<QFileDialog> user([&](QFileDialog* dialog) {
        title = dialog->windowTitle();
        filter = dialog->findChild<QComboBox*>(u"fileTypeCombo"_s)->currentText();
        lookIn = dialog->findChild<QLabel*>(u"lookInLabel"_s)->text();
        dialog->reject();
    });
    const QString chosen =
        QtQuestions().chooseOpenFile(u"ファイルを開く"_s, u"wavファイル(*.wav,*.WAV) (*.wav *.WAV)"_s, {});
    EXPECT_TRUE(chosen.isEmpty());
    EXPECT_EQ(title, u"ファイルを開く"_s);
    EXPECT_EQ(filter, u"wavファイル(*.wav,*.WAV)"_s);
    EXPECT_NE(lookIn, u"Look in:"_s);
    EXPECT_TRUE(lookIn.contains(QRegularExpression(u"[\\x{3040}-\\x{30FF}\\x{4E00}-\\x{9FFF}]"_s)))
        << lookIn.toStdString();
}

TEST(QtQuestions, TheFileChooserOpensAtTheCurrentFileElseTheLastFolderElseMusic)
{
    QTemporaryDir chosenFolder;
    QTemporaryDir currentFolder;
    const QString chosen = chosenFolder.filePath(u"ねこ の音.wav"_s);
    const QString current = currentFolder.filePath(u"current.wav"_s);
    for (const QString& file : {chosen, current}) {
        QFile(file).open(QIODevice::WriteOnly);
    }
    QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    if (!QFileInfo(music).isDir()) {
        music = QDir::homePath();
    }
    // What the user does in each dialog (a file to choose, or none to cancel), the file
    // the program says is current, and the folder the dialog must open in.
    const struct
    {
        QString choose;
        QString current;
        QString opensIn;
    } steps[] = {
        {{}, {}, music},
        {chosen, {}, music},
        {{}, {}, chosenFolder.path()},
        {{}, current, currentFolder.path()},
        {{}, {}, chosenFolder.path()},
    };
    QtQuestions questions;
    for (const auto& step : steps) {
        QString openedIn;
        const User<QFileDialog> user([&](QFileDialog* dialog) {
            openedIn = dialog->directory().absolutePath();
            if (step.choose.isEmpty()) {
                dialog->reject();
            } else {
                // Typed, as the folder's listing comes only later.
                dialog->findChild<QLineEdit*>(u"fileNameEdit"_s)->setText(step.choose);
                static_cast<QDialog*>(dialog)->accept(); // QFileDialog hides its own
            }
        });
        const QString answer = questions.chooseOpenFile(u"ファイルを開く"_s, u"wav (*.wav)"_s, step.current);
        EXPECT_EQ(QDir(openedIn), QDir(step.opensIn)) << openedIn.toStdString();
        // In the system's own form: what the program shows and stores.
        EXPECT_EQ(answer, QDir::toNativeSeparators(step.choose));
    }
}

TEST(QtQuestions, AMessageAfterTheFileChooserBelongsToTheWindowThatAsked)
{
    // The window manager hands the activation back only later; a message box shown at
    // once must still open over the asking window, not beneath the program's windows.
    QWidget asking;
    asking.show();
    QApplication::setActiveWindow(&asking);
    ASSERT_EQ(QApplication::activeWindow(), &asking);
    const User<QFileDialog> chooser([](QFileDialog* dialog) { dialog->reject(); });
    QtQuestions questions;
    questions.chooseOpenFile(u"ファイルを開く"_s, u"wavファイル(*.wav,*.WAV) (*.wav *.WAV)"_s, {});
    QWidget* boxParent = nullptr;
    const User<QMessageBox> reader([&](QMessageBox* box) {
        boxParent = box->parentWidget();
        box->accept();
    });
    questions.showMessage(u"このファイルはアラーム音に使えません。"_s, u"設定エラー"_s);
    EXPECT_EQ(boxParent, &asking);
}

} // namespace
