// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch/commandline.h"
#include "calc/messages.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/resource.h>

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
    QProcess p;
    p.setChildProcessModifier(child);
    p.start(QStringLiteral(RADDRIZZATORE_PROGRAM), args);
    p.write(QByteArray::fromStdString(in));
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return {p.exitCode(), p.readAllStandardOutput().toStdString(), p.readAllStandardError().toStdString()};
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

// The real program, as a shell starts it.
TEST(CommandLine, VersionIsTheProjects)
{
    EXPECT_EQ(run({"--version"}, "", [] {}), Ran(0, RADDRIZZATORE_VERSION "\n", ""));
}
