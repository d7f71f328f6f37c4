#include "app/command_line.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(CommandLine, AnswersHelpAndVersionAndRefusesWhatItDoesNotKnow)
{
    QCoreApplication::setApplicationVersion(u"3.0"_s);
    struct Case
    {
        QStringList arguments;
        bool startClock;
        int exitCode;
        QString output;       // the output starts with this
        QString errorMessage; // the message starts with this
    };
    const Case cases[] = {
        {{}, true, 0, {}, {}},
        {{u"-platform"_s, u"xcb"_s}, true, 0, {}, {}},
        {{u"--platform=wayland"_s, u"-session"_s, u"1a2b"_s}, true, 0, {}, {}},
        {{u"--version"_s}, false, 0, QCoreApplication::applicationName() + u" 3.0\n"_s, {}},
        {{u"-v"_s}, false, 0, QCoreApplication::applicationName() + u" 3.0\n"_s, {}},
        {{u"--help"_s}, false, 0, u"使い方: nekotokei [オプション]\n"_s, {}},
        {{u"-h"_s, u"--version"_s}, false, 0, u"使い方: nekotokei [オプション]\n"_s, {}},
        // Options are named as they were written, and every refusal is in our words.
        {{u"--bogus"_s}, false, 2, {}, u"nekotokei: 知らないオプションです: --bogus\n"_s},
        {{u"-x"_s, u"--help"_s}, false, 2, {}, u"nekotokei: 知らないオプションです: -x\n"_s},
        {{u"-bogus"_s, u"--x=1"_s, u"-bogus"_s},
         false,
         2,
         {},
         u"nekotokei: 知らないオプションです: -bogus --x=1\n"_s},
        {{u"--version=2"_s}, false, 2, {}, u"nekotokei: 値をとらないオプションです: --version=2\n"_s},
        {{u"alarm.wav"_s}, false, 2, {}, u"nekotokei: 余分な引数です: alarm.wav\n"_s},
        {{u"--"_s, u"--bogus"_s}, false, 2, {}, u"nekotokei: 余分な引数です: --bogus\n"_s},
        {{u"-platform"_s}, false, 2, {}, u"nekotokei: 値が必要なオプションです: -platform\n"_s},
    };
    for (const Case& c : cases) {
        const std::string shown = c.arguments.join(u' ').toStdString();
        const CommandLineRequest request =
            readCommandLine(QStringList{u"/usr/bin/nekotokei"_s} + c.arguments);
        EXPECT_EQ(request.startClock, c.startClock) << shown;
        EXPECT_EQ(request.exitCode, c.exitCode) << shown;
        EXPECT_TRUE(request.output.startsWith(c.output) && request.output.isEmpty() == c.output.isEmpty())
            << shown << ": " << request.output.toStdString();
        EXPECT_TRUE(request.errorMessage.startsWith(c.errorMessage) &&
                    request.errorMessage.isEmpty() == c.errorMessage.isEmpty())
            << shown << ": " << request.errorMessage.toStdString();
    }
}

TEST(CommandLine, HelpNamesEveryOption)
{
    const QString help = readCommandLine({u"nekotokei"_s, u"--help"_s}).output;
    EXPECT_TRUE(help.contains(u"-h, --help"_s)) << help.toStdString();
    EXPECT_TRUE(help.contains(u"-v, --version"_s)) << help.toStdString();
}

} // namespace
