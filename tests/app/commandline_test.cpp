// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch/commandline.h"
#include "calc/messages.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace std::literals;
using Ran = std::tuple<int, std::string, std::string>;

// In the test, or as a shell starts the real program on a machine without a display.
Ran run(const QStringList& args, const std::string& in, void (*child)() = nullptr)
{
    if (child == nullptr) {
        std::istringstream input(in);
        std::ostringstream out, err;
        const int status = batch::runCommandLine(QStringList{"x"} + args, input, out, err);
        return {status, out.str(), err.str()};
    }
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        qunsetenv(name);
    // A cross build's program runs through the emulator that runs this test; a native one needs none. fork and exec,
    // as a shell does: QProcess's clone with a pidfd is refused by QEMU.
    std::vector<std::string> words{RADDRIZZATORE_EMULATOR, RADDRIZZATORE_PROGRAM};
    for (const QString& a : args)
        words.push_back(a.toStdString());
    std::vector<char*> argv;
    for (std::string& w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);
    char** command = words[0].empty() ? argv.data() + 1 : argv.data();
    const QTemporaryDir dir;
    const std::string files[] = {dir.filePath("0").toStdString(), dir.filePath("1").toStdString(),
                                 dir.filePath("2").toStdString()};
    std::ofstream(files[0]) << in;
    const pid_t pid = fork();
    if (pid == 0) {
        for (int fd : {0, 1, 2})
            dup2(open(files[fd].c_str(), fd == 0 ? O_RDONLY : O_WRONLY | O_CREAT, 0600), fd);
        child();
        execv(command[0], command);
        _exit(127);
    }
    int status = -1;
    waitpid(pid, &status, 0);
    const auto text = [&](int fd) {
        std::ostringstream s;
        s << std::ifstream(files[fd]).rdbuf();
        return s.str();
    };
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text(1), text(2)};
}

TEST(CommandLine, GraphFilesAndFailedWrites)
{
    QTemporaryDir dir;
    const QString older = dir.filePath("older.png"), fresh = dir.filePath("fresh.PNG"), lost = dir.filePath("no/g.png");
    std::ofstream(older.toStdString()) << "an older file";
    link(older.toLocal8Bit(), fresh.toLocal8Bit()); // one file under two names: a write in place would show in both
    const std::string graph = "Np,Vp,f,C,R,N\n3,10,50,10,2000,500\n", warn = calc::messages::TimeConstant + "\n"s,
                      noFile = warn + "Impossibile salvare l'immagine in\n";
    const std::string kept = ". Nessun file è stato creato o modificato.\n";
    const auto fullDisk = [] { dup2(open("/dev/full", O_WRONLY), STDOUT_FILENO); };
    const auto smallQuota = [] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
    };
    const auto [status, png, err] = run({"--grafico", "-"}, graph);
    EXPECT_EQ(std::tuple(status, err, QImage::fromData(png).size()), std::tuple(0, warn, QSize(989, 581)));
    EXPECT_EQ(run({"--grafico", older}, "np,Vp,f,C,R\n,10,50,10,2000\n"),
              Ran(1, "", calc::messages::MissingNp + "\n"s));
    EXPECT_EQ(run({"--grafico", lost}, graph),
              Ran(2, "", noFile + lost.toStdString() + "\n" + strerror(ENOENT) + kept));
    const std::string noSpace = "Impossibile scrivere lo standard output: "s + strerror(ENOSPC) + ".\n";
    EXPECT_EQ(run({"--verifica"}, "Vp,f,C,R,N\n2,50,10,4000,1\n", fullDisk), Ran(2, "", noSpace));
    EXPECT_EQ(run({"--grafico", older}, graph, smallQuota),
              Ran(2, "", noFile + older.toStdString() + "\n" + strerror(EFBIG) + kept));
    EXPECT_EQ(run({"--grafico", fresh}, graph, [] {}), Ran(0, "", warn));
    EXPECT_EQ(QFileInfo(older).size(), 13) << "left as it was";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"fresh.PNG", "older.png"}));
    EXPECT_EQ(QImage(fresh), QImage::fromData(png));
}
