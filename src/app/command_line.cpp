#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace {

constexpr int usageError = 2;

QString helpText()
{
    return QStringLiteral("使い方: nekotokei [オプション]\n"
                          "猫の絵の形をしたデスクトップ時計「ふわまる ぽてりん」を起動します。\n"
                          "\n"
                          "オプション:\n"
                          "  -h, --help     この説明を表示して終了します。\n"
                          "  -v, --version  バージョンを表示して終了します。\n");
}

CommandLineRequest refuse(const QString& what)
{
    return CommandLineRequest{
        .startClock = false,
        .exitCode = usageError,
        .output = {},
        .errorMessage =
            QStringLiteral("nekotokei: %1\n使い方は nekotokei --help で表示されます。\n").arg(what),
    };
}

} // namespace

CommandLineRequest readCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    // Qt's own options are single-dash words, as "-platform xcb".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({help, version});
    for (const char* qtOption : {"platform", "display", "session"}) {
        parser.addOption(
            QCommandLineOption(QString::fromLatin1(qtOption), QString(), QStringLiteral("value")));
    }

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        return refuse(unknown.isEmpty()
                          ? parser.errorText()
                          : QStringLiteral("知らないオプションです: %1").arg(unknown.join(u' ')));
    }
    if (!parser.positionalArguments().isEmpty()) {
        return refuse(QStringLiteral("余分な引数です: %1").arg(parser.positionalArguments().join(u' ')));
    }
    if (parser.isSet(help)) {
        return CommandLineRequest{
            .startClock = false, .exitCode = 0, .output = helpText(), .errorMessage = {}};
    }
    if (parser.isSet(version)) {
        return CommandLineRequest{
            .startClock = false,
            .exitCode = 0,
            .output =
                QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n',
            .errorMessage = {},
        };
    }
    return {};
}

std::optional<int> answerCommandLine(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    const CommandLineRequest request = readCommandLine(arguments);
    if (request.startClock) {
        return std::nullopt;
    }
    std::fputs(request.output.toLocal8Bit().constData(), stdout);
    std::fputs(request.errorMessage.toLocal8Bit().constData(), stderr);
    return request.exitCode;
}
