// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch/commandline.h"
#include "calc/messages.h"
#include "tests/app/programrun.h"
#include "ui/messages.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <grp.h>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace std::literals;

namespace {

const std::string graph = "Np,Vp,f,C,R,N\n3,10,50,10,2000,5\n", warn = calc::messages::TimeConstant + "\n"s,
                  failed = warn + "Impossibile salvare l'immagine in\n",
                  kept = ". Nessun file è stato creato o modificato.\n";

TEST(CommandLine, GraphFilesAndFailedWrites)
{
    QTemporaryDir dir;
    const QString older = dir.filePath("older.png"), fresh = dir.filePath("fresh.PNG"), lost = dir.filePath("no/g.png");
    std::ofstream(older.toStdString()) << "an older file";
    link(older.toLocal8Bit(), fresh.toLocal8Bit()); // one file under two names: a write in place would show in both
    const auto smallQuota = [] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
    };
    const auto [status, png, err] = run({"--grafico", "-"}, graph);
    EXPECT_EQ(std::tuple(status, err), std::tuple(0, warn));
    EXPECT_EQ(run({"--grafico", older}, "np,Vp,f,C,R\n,10,50,10,2000\n"),
              Ran(1, "", calc::messages::MissingNp + "\n"s));
    EXPECT_EQ(run({"--grafico", lost}, graph),
              Ran(2, "", failed + lost.toStdString() + "\n" + strerror(ENOENT) + kept));
    EXPECT_EQ(run({"--verifica"}, "Vp,f,C,R,N\n2,50,10,4000,1\n", [] { dup2(open("/dev/full", O_WRONLY), 1); }),
              Ran(2, "", "Impossibile scrivere lo standard output: "s + strerror(ENOSPC) + ".\n"));
    const std::string noInput = "Impossibile leggere lo standard input: "s;
    EXPECT_EQ(run({"--verifica"}, "", [] { close(0); }), Ran(2, "", noInput + strerror(EBADF) + ".\n"));
    EXPECT_EQ(run({"--campioni"}, "", [] { dup2(open("/tmp", O_RDONLY), 0); }),
              Ran(2, "", noInput + strerror(EISDIR) + ".\n"));
    EXPECT_EQ(run({"--grafico", older}, graph, smallQuota),
              Ran(2, "", failed + older.toStdString() + "\n" + strerror(EFBIG) + kept));
    EXPECT_EQ(run({"--grafico", fresh}, graph, [] {}), Ran(0, "", warn));
    EXPECT_EQ(QFileInfo(older).size(), 13) << "left as it was";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"fresh.PNG", "older.png"}));
    EXPECT_EQ(QImage(fresh), QImage::fromData(png));
}

// Root becomes nobody, who may replace neither a device nor a read-only file.
void asNobody()
{
    if (getuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)) {
        _exit(9);
    }
}

// In a folder of its own, which root gives to nobody with the read-only file; no temporary file stays in sub.
class GraphFile : public testing::Test {
protected:
    void SetUp() override
    {
        QDir::setCurrent(dir.path());
        mkdir("sub", 0755);
        mkdir("folder.png", 0755);
        std::ofstream("sub/t.png") << "old";
        std::ofstream("sub/r.png") << "old";
        chmod("sub/t.png", 0640);
        chmod("sub/r.png", 0444);
        symlink("sub/t.png", "l.png");
        symlink("/dev/full", "full.PNG");
        for (const char* name : {".", "sub", "sub/r.png"}) {
            EXPECT_EQ(getuid() == 0 ? chown(name, 65534, 65534) : 0, 0);
        }
    }
    void TearDown() override
    {
        EXPECT_EQ(QDir("sub").entryList(QDir::Files | QDir::Hidden), QStringList({"r.png", "t.png"}));
        QDir::setCurrent(cwd);
    }
    static mode_t mode(const char* name)
    {
        struct stat s {};
        return lstat(name, &s) == 0 ? s.st_mode : 0;
    }

    const QString cwd = QDir::currentPath();
    QTemporaryDir dir;
};

// l.png, named without a folder, links to sub/t.png relative to its own folder.
TEST_F(GraphFile, ReplacesTheTargetOfARelativeLinkKeepingItsMode)
{
    EXPECT_EQ(std::get<0>(run({"--grafico", "l.png"}, graph)), 0);
    EXPECT_EQ(std::tuple(mode("l.png"), mode("sub/t.png")), std::tuple(S_IFLNK | 0777, S_IFREG | 0640));
    EXPECT_EQ(QImage("sub/t.png", "png").size(), QSize(989, 581));
}

// As nobody; under an Italian locale the system's reason is in Italian.
TEST_F(GraphFile, RefusesADeviceAFolderAndAReadOnlyFile)
{
    EXPECT_EQ(run({"--grafico", "full.PNG"}, graph, asNobody),
              Ran(2, "", failed + "full.PNG\nNon è un file ordinario, e non si può sostituire per intero" + kept));
    EXPECT_EQ(std::get<2>(run({"--grafico", "folder.png"}, graph)), failed + "folder.png\n" + strerror(EISDIR) + kept);
    qputenv("LC_ALL", "it_IT.UTF-8");
    EXPECT_EQ(run({"--grafico", "sub/r.png"}, graph, asNobody),
              Ran(2, "", failed + "sub/r.png\nPermesso negato" + kept));
    qunsetenv("LC_ALL");
    EXPECT_EQ(QFileInfo("sub/r.png").size(), 3) << "left as it was";
}

// Piped in by a shell under umask 027, through a cross build's emulator if any.
TEST_F(GraphFile, NewFileUnderTheUmaskNamedNotInUtf8)
{
    const std::string shell = "umask 027 && printf %s '" + graph +
                              "' | exec " RADDRIZZATORE_EMULATOR " " RADDRIZZATORE_PROGRAM
                              " --grafico=\"$(printf '\\377.Pdf')\"";
    EXPECT_EQ(std::system(shell.c_str()), 0);
    std::ifstream pdf("\xff.Pdf");
    EXPECT_EQ(std::tuple(mode("\xff.Pdf"), std::string(std::istreambuf_iterator<char>(pdf), {}).substr(0, 5)),
              std::tuple(S_IFREG | 0640, "%PDF-"s));
    unlink("\xff.Pdf"); // a name QDir cannot remove
}

} // namespace

// The real program: its version, and without a display a failed start said in Italian, Qt's own options or none.
TEST(CommandLine, VersionAndAWindowWithoutADisplay)
{
    EXPECT_EQ(run({"--version"}, "", [] {}), Ran(0, RADDRIZZATORE_VERSION "\n", ""));
    EXPECT_EQ(run({}, "", [] {}), Ran(1, "", ui::messages::NoDisplay + "\n"s));
    const auto [status, out, err] = run({"-platform", "nessuna"}, "", [] { setenv("DISPLAY", ":0", 1); });
    EXPECT_EQ(std::tuple(status, out), std::tuple(1, ""s));
    EXPECT_NE(err.find("\"nessuna\""), std::string::npos) << "Qt names the platform plugin that would not load";
    EXPECT_EQ(run({"-style", "fusion", "--sync"}, "", [] {}), Ran(1, "", ui::messages::NoDisplay + "\n"s));
    EXPECT_EQ(run({"-style", "fusion", "--verifica"}, ""),
              Ran(2, "", "Opzione sconosciuta: -style\nPer l'uso: raddrizzatore --help\n"))
        << "named as typed, not as the one-letter options it could group";
    EXPECT_EQ(run({"--grafico", ""}, ""),
              Ran(2, "", "Manca il nome del file dopo --grafico.\nPer l'uso: raddrizzatore --help\n"));
}

// Qt's options as its manual gives them: a value after a space or "=", one dash or two; anything else is ours.
TEST(CommandLine, OnlyQtsOwnOptionsAskForTheWindow)
{
    for (const auto& [arguments, window] : std::initializer_list<std::pair<std::vector<std::string>, bool>>{
             {{"raddrizzatore"}, true},
             {{"raddrizzatore", "-style", "fusion", "--platform=xcb", "-nograb"}, true},
             {{"raddrizzatore", "-qwindowtitle", "--verifica"}, true},
             {{"raddrizzatore", "-style"}, false},
             {{"raddrizzatore", "--sync=1"}, false},
             {{"raddrizzatore", "-style", "fusion", "--verifica"}, false},
             {{"raddrizzatore", "-reverse"}, false},
             {{"raddrizzatore", "-h"}, false}}) {
        EXPECT_EQ(batch::asksForTheWindow(arguments), window) << arguments.back();
    }
}
