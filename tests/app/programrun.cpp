// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/app/programrun.h"

#include "app/batch/commandline.h"

#include <QTemporaryDir>

#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

// The real program runs through a cross build's emulator, started by fork and exec: QEMU refuses QProcess's clone.
Ran run(const QStringList& args, const std::string& in, void (*child)())
{
    std::vector<std::string> words{RADDRIZZATORE_EMULATOR, RADDRIZZATORE_PROGRAM};
    for (const QString& a : args) {
        words.push_back(a.toStdString());
    }
    if (child == nullptr) {
        std::istringstream input(in);
        std::ostringstream out, err;
        const int status = batch::runCommandLine({words.begin() + 1, words.end()}, input, out, err);
        return {status, out.str(), err.str()};
    }
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        qunsetenv(name);
    }
    std::vector<char*> argv;
    for (std::string& w : words) {
        argv.push_back(w.data());
    }
    argv.push_back(nullptr);
    char** command = words[0].empty() ? argv.data() + 1 : argv.data();
    const QTemporaryDir dir;
    const auto file = [&dir](int fd) { return dir.filePath(QString::number(fd)).toStdString(); };
    std::ofstream(file(0)) << in;
    const pid_t pid = fork();
    if (pid == 0) {
        for (int fd : {0, 1, 2}) {
            dup2(open(file(fd).c_str(), fd == 0 ? O_RDONLY : O_WRONLY | O_CREAT, 0600), fd);
        }
        child();
        execv(command[0], command);
        _exit(127);
    }
    int status = -1;
    waitpid(pid, &status, 0);
    const auto text = [&](int fd) {
        return std::string(std::istreambuf_iterator(std::ifstream(file(fd)).rdbuf()), {});
    };
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text(1), text(2)};
}
