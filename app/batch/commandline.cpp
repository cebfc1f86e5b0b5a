#include "app/batch/commandline.h"

#include "app/batch/designtable.h"
#include "app/batch/exitstatus.h"
#include "app/batch/graphfile.h"
#include "app/batch/messages.h"
#include "app/batch/samples.h"
#include "app/batch/verificationtable.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <iostream>

namespace batch {

int runCommandLine(const QStringList& arguments, std::istream& in, std::ostream& out, std::ostream& err)
{
    const QCommandLineOption verifica(QStringLiteral("verifica"));
    const QCommandLineOption progetto(QStringLiteral("progetto"));
    const QCommandLineOption campioni(QStringLiteral("campioni"));
    const QCommandLineOption grafico(QStringLiteral("grafico"), QString(), QStringLiteral("FILE.png"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    QCommandLineParser parser;
    parser.addOptions({verifica, progetto, campioni, grafico, help, version});

    const auto fail = [&err](const std::string& message) {
        err << message << '\n' << messages::SeeHelp << '\n';
        return Unreadable;
    };
    // The parser's own error texts are English: say it in Italian.
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            return fail(messages::unknownOption((unknown[0].size() == 1 ? "-" : "--") + unknown[0].toStdString()));
        }
        if (arguments.last() == QStringLiteral("--grafico")) {
            return fail(messages::MissingFile);
        }
        return fail(messages::BadArguments);
    }
    if (parser.isSet(help) || parser.isSet(version)) {
        if (!(out << (parser.isSet(help) ? messages::Usage : RADDRIZZATORE_VERSION "\n")).flush()) {
            err << messages::Unwritable << '\n';
            return Unreadable;
        }
        return Computed;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return fail(messages::unexpectedArgument(parser.positionalArguments()[0].toStdString()));
    }
    const int modes = int(parser.isSet(verifica)) + int(parser.isSet(progetto)) + int(parser.isSet(campioni)) +
                      int(parser.isSet(grafico));
    if (modes != 1) {
        return fail(messages::OneMode);
    }
    if (parser.isSet(verifica)) {
        return runVerification(in, out, err);
    }
    if (parser.isSet(progetto)) {
        return runDesign(in, out, err);
    }
    if (parser.isSet(campioni)) {
        return runSamples(in, out, err);
    }
    return runGraph(parser.value(grafico), in, err);
}

int runCommandLine(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return runCommandLine(arguments, std::cin, std::cout, std::cerr);
}

} // namespace batch
