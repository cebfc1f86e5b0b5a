// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch/commandline.h"

#include "app/batch/designtable.h"
#include "app/batch/exitstatus.h"
#include "app/batch/graphfile.h"
#include "app/batch/help.h"
#include "app/batch/messages.h"
#include "app/batch/samples.h"
#include "app/batch/standardinput.h"
#include "app/batch/standardoutput.h"
#include "app/batch/verificationtable.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFile>
#include <QGuiApplication>
#include <QLoggingCategory>

#include <algorithm>
#include <array>
#include <cerrno>
#include <clocale>
#include <iostream>
#include <optional>

namespace batch {

namespace {

struct Options {
    QCommandLineOption verifica{QStringLiteral("verifica")};
    QCommandLineOption progetto{QStringLiteral("progetto")};
    QCommandLineOption campioni{QStringLiteral("campioni")};
    QCommandLineOption grafico{QStringLiteral("grafico"), QString(), QStringLiteral("FILE")};
    QCommandLineOption help{QStringList{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version{QStringLiteral("version")};
};

// An option the parser did not know, as the user typed it: "-style" rather
// than the "s" the parser reads first in a group of one-letter options.
std::string typedOption(const QStringList& arguments, const QString& name)
{
    for (const QString& argument : arguments.mid(1)) {
        const QString option = argument.section(QLatin1Char('='), 0, 0);
        const bool grouped = name.size() == 1 && option.startsWith(QLatin1Char('-')) &&
                             !option.startsWith(QStringLiteral("--")) && option.contains(name);
        if (argument == QStringLiteral("--")) {
            break;
        }
        if (grouped || option == QStringLiteral("--") + name) {
            return option.toStdString();
        }
    }
    return ((name.size() == 1 ? "-" : "--") + name).toStdString();
}

// What is wrong with the arguments, or nothing when they ask for one mode.
// The parser's own error texts are English: say it in Italian.
std::optional<std::string> badArguments(QCommandLineParser& parser, const Options& o, const QStringList& arguments)
{
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            return messages::unknownOption(typedOption(arguments, unknown[0]));
        }
        return arguments.last() == QStringLiteral("--grafico") ? messages::MissingFile : messages::BadArguments;
    }
    const QStringList given = parser.optionNames();
    for (const QString& name : given) {
        if (given.count(name) > 1) {
            return messages::repeatedOption((name.size() == 1 ? "-" : "--") + name.toStdString());
        }
    }
    if (parser.isSet(o.help) || parser.isSet(o.version)) {
        return std::nullopt;
    }
    if (parser.isSet(o.grafico) && parser.value(o.grafico).isEmpty()) {
        return messages::MissingFile;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return messages::unexpectedArgument(parser.positionalArguments()[0].toStdString());
    }
    const int modes = int(parser.isSet(o.verifica)) + int(parser.isSet(o.progetto)) + int(parser.isSet(o.campioni)) +
                      int(parser.isSet(o.grafico));
    if (modes != 1) {
        return messages::OneMode;
    }
    return std::nullopt;
}

// The bytes of --grafico's FILE, read as QCommandLineParser reads the option:
// "--grafico FILE" or "--grafico=FILE", the last one, before any "--".
std::optional<std::string> graphFile(const std::vector<std::string>& arguments)
{
    const std::string option = "--grafico";
    std::optional<std::string> file;
    for (std::size_t i = 1; i < arguments.size() && arguments[i] != "--"; ++i) {
        if (arguments[i] == option && i + 1 < arguments.size()) {
            file = arguments[++i];
        } else if (arguments[i].rfind(option + '=', 0) == 0) {
            file = arguments[i].substr(option.size() + 1);
        }
    }
    return file;
}

// Qt's own options as Qt 6.4 documents them for QGuiApplication,
// QApplication and its X11 platform, which Qt also takes after two dashes:
// those that take a value ("-style fusion" or "-style=fusion"), then those
// that stand alone. Not -reverse: the windows keep left to right.
constexpr std::array<std::string_view, 17> QtValueOptions{"platform",
                                                          "platformpluginpath",
                                                          "platformtheme",
                                                          "plugin",
                                                          "qwindowgeometry",
                                                          "qwindowicon",
                                                          "qwindowtitle",
                                                          "session",
                                                          "display",
                                                          "geometry",
                                                          "title",
                                                          "style",
                                                          "stylesheet",
                                                          "qmljsdebugger",
                                                          "name",
                                                          "visual",
                                                          "ncols"};
constexpr std::array<std::string_view, 5> QtFlags{"widgetcount", "sync", "nograb", "dograb", "cmap"};

bool among(const auto& names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

bool asksForTheWindow(const std::vector<std::string>& arguments)
{
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        std::string_view option = arguments[i];
        option.remove_prefix(option.starts_with("--") ? 2 : option.starts_with('-') ? 1 : 0);
        const std::string_view name = option.substr(0, option.find('='));
        const bool dashed = option.size() < arguments[i].size();
        const bool valued = option.size() > name.size();
        const bool qtOwn =
            among(QtValueOptions, name) ? valued || ++i < arguments.size() : among(QtFlags, name) && !valued;
        if (!dashed || !qtOwn) {
            return false;
        }
    }
    return true;
}

int runCommandLine(const std::vector<std::string>& bytes, std::istream& in, std::ostream& out, std::ostream& err)
{
    QStringList arguments;
    for (const std::string& argument : bytes) {
        arguments << QString::fromStdString(argument);
    }
    const Options o;
    QCommandLineParser parser;
    parser.addOptions({o.verifica, o.progetto, o.campioni, o.grafico, o.help, o.version});
    if (const auto wrong = badArguments(parser, o, arguments)) {
        err << *wrong << '\n' << messages::SeeHelp << '\n';
        return Unreadable;
    }
    if (parser.isSet(o.help) || parser.isSet(o.version)) {
        return writeOut(out, err, parser.isSet(o.help) ? usage() : RADDRIZZATORE_VERSION "\n");
    }
    if (parser.isSet(o.verifica)) {
        return runVerification(in, out, err);
    }
    if (parser.isSet(o.progetto)) {
        return runDesign(in, out, err);
    }
    if (parser.isSet(o.campioni)) {
        return runSamples(in, out, err);
    }
    return runGraph(graphFile(bytes).value_or(QFile::encodeName(parser.value(o.grafico)).toStdString()), in, out, err);
}

int runCommandLine(int argc, char* argv[])
{
    // The system's reasons for a failed write, in the user's language.
    std::setlocale(LC_MESSAGES, "");
    std::setlocale(LC_CTYPE, "");
    const std::vector<std::string> arguments(argv, argv + argc);
    // The PDF's fonts need Qt's GUI application, on the offscreen platform
    // whatever the display; the tables start as fast without it. Qt's own
    // warnings are for developers, in English: QT_LOGGING_RULES brings them back.
    char platform[] = "-platform";
    char offscreen[] = "offscreen";
    char* guiArgv[] = {argv[0], platform, offscreen, nullptr};
    int guiArgc = 3;
    std::optional<QGuiApplication> gui;
    if (graphFile(arguments)) {
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.info=false\n*.warning=false"));
        gui.emplace(guiArgc, guiArgv);
    }
    StandardInput standardInput;
    std::istream in(&standardInput);
    in.exceptions(std::ios::badbit);
    return runCommandLine(arguments, in, std::cout, std::cerr);
}

} // namespace batch
