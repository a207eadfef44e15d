#include "app/commandline.h"

#include <cstdio>

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

constexpr int UsageError = 2;

struct ProgramOptions {
    QCommandLineParser parser;
    QCommandLineOption help;
    QCommandLineOption version;

    // Our own help option: Qt's would add --help-all, which lists options
    // of Qt's that the program has no use for.
    ProgramOptions()
        : help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Displays help on commandline options.")),
          version({QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Displays version information."))
    {
        parser.addOption(help);
        parser.addOption(version);
        parser.setApplicationDescription(QStringLiteral("Brackwater, a patience game with two decks and eight suit stacks."));
    }
};

}  // namespace

std::optional<int> AnswerInformationOptions(int& argc, char** argv)
{
    // A plain core application: the parser names the program from it, and
    // it needs no display. It is gone before the real application starts.
    const QCoreApplication core(argc, argv);
    ProgramOptions options;
    // Qt's own options (-platform, -style, ...) are still in the list here;
    // they are not errors, so the parse result is not looked at yet.
    options.parser.parse(QCoreApplication::arguments());
    if (options.parser.isSet(options.version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    if (options.parser.isSet(options.help)) {
        std::fputs(qPrintable(options.parser.helpText()), stdout);
        return 0;
    }
    return std::nullopt;
}

std::optional<int> RejectUnknownOptions(const QApplication& app)
{
    ProgramOptions options;
    if (options.parser.parse(app.arguments()) && options.parser.positionalArguments().isEmpty())
        return std::nullopt;
    const QString error = options.parser.positionalArguments().isEmpty()
                              ? options.parser.errorText()
                              : QStringLiteral("Unexpected argument '%1'.").arg(options.parser.positionalArguments().first());
    std::fprintf(stderr, "%s\n%s", qPrintable(error), qPrintable(options.parser.helpText()));
    return UsageError;
}
