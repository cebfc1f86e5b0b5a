// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes as the command line's arguments, split at each NUL, with nothing on
// standard input: whatever the arguments ask, the program prints help or its
// version, or refuses before it writes anything.

#include "app/batch/commandline.h"
#include "fuzz/require.h"

#include <QCommandLineParser>

#include <cstdint>
#include <optional>
#include <sstream>

namespace {

// The FILE of --grafico as Qt's own parser reads it, when the arguments are
// text it keeps byte for byte.
std::optional<std::string> qtGraphFile(const std::vector<std::string>& arguments)
{
    QStringList list;
    for (const std::string& a : arguments) {
        if (QString::fromStdString(a).toStdString() != a) {
            return std::nullopt;
        }
        list << QString::fromStdString(a);
    }
    // The program names a format only when --grafico is its one option.
    const QCommandLineOption grafico(QStringLiteral("grafico"), QString(), QStringLiteral("FILE"));
    QCommandLineParser parser;
    parser.addOption(grafico);
    if (!parser.parse(list)) {
        return std::nullopt;
    }
    return parser.value(grafico).toStdString();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> arguments{"raddrizzatore", ""};
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            arguments.emplace_back();
        } else {
            arguments.back().push_back(static_cast<char>(data[i]));
        }
    }
    require(!batch::asksForTheWindow(arguments) || arguments[1].starts_with('-'), "the window for Qt's options only");
    std::istringstream in;
    std::ostringstream out, err;
    const int status = batch::runCommandLine(arguments, in, out, err);
    require(status == 0 ? err.str().empty() && !out.str().empty() : status == 2 && out.str().empty(),
            "help or the version on standard output, or a refusal with status 2 and nothing on it");
    require(status == 0 || err.str().find('\n') != std::string::npos, "a refusal says why, on its own line");
    const std::string unknownFormat = "Formato non previsto per il file ";
    if (err.str().rfind(unknownFormat, 0) == 0) {
        const auto file = qtGraphFile(arguments);
        require(!file || err.str().rfind(unknownFormat + *file + ':', 0) == 0, "the FILE Qt's parser reads is named");
    }
    return 0;
}
