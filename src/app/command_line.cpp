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

struct OptionSpelling
{
    QString given; // as the command line has it: "--name", "-name" or "--name=value"
    QString name;
    bool hasValue;
};

// The options of the command line as written, up to "--", which ends them.
QList<OptionSpelling> optionsAsGiven(const QStringList& arguments)
{
    QList<OptionSpelling> options;
    for (const QString& argument : arguments.mid(1)) {
        if (argument == u"--") {
            break;
        }
        if (argument.size() < 2 || !argument.startsWith(u'-')) {
            continue;
        }
        const QString option = argument.mid(argument.startsWith(u"--") ? 2 : 1);
        const qsizetype equals = option.indexOf(u'=');
        options.append({argument, equals < 0 ? option : option.left(equals), equals >= 0});
    }
    return options;
}

// Why the parser refused the command line, in our words: it names the options as the
// user wrote them, dashes and all.
QString refusalOf(const QCommandLineParser& parser, const QStringList& arguments,
                  const QStringList& valueOptions)
{
    const QList<OptionSpelling> options = optionsAsGiven(arguments);
    const auto given = [&](const auto& matches) {
        QStringList spelt;
        for (const OptionSpelling& option : options) {
            if (matches(option) && !spelt.contains(option.given)) {
                spelt.append(option.given);
            }
        }
        return spelt.join(u' ');
    };
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        return QStringLiteral("知らないオプションです: %1").arg(given([&](const OptionSpelling& option) {
            return unknown.contains(option.name);
        }));
    }
    const QString valued = given(
        [&](const OptionSpelling& option) { return option.hasValue && !valueOptions.contains(option.name); });
    if (!valued.isEmpty()) {
        return QStringLiteral("値をとらないオプションです: %1").arg(valued);
    }
    // What is left is an option that takes a value, last on the line without one.
    return QStringLiteral("値が必要なオプションです: %1").arg(arguments.last());
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
    const QStringList qtOptions{QStringLiteral("platform"), QStringLiteral("display"),
                                QStringLiteral("session")};
    for (const QString& qtOption : qtOptions) {
        parser.addOption(QCommandLineOption(qtOption, QString(), QStringLiteral("value")));
    }

    if (!parser.parse(arguments)) {
        return refuse(refusalOf(parser, arguments, qtOptions));
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
