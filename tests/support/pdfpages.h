// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A PDF's pages read back as poppler's tools see them.

#include <QImage>
#include <QRectF>
#include <QRegularExpression>

#include <algorithm>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// What a tool writes on its standard output. posix_spawnp, not QProcess: under QEMU (the arm64 tests) QProcess's
// clone is refused.
inline std::string tool(const QString& program, const QStringList& args)
{
    std::vector<std::string> words{program.toStdString()};
    for (const QString& a : args)
        words.push_back(a.toStdString());
    std::vector<char*> argv;
    for (std::string& w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);
    int out[2];
    if (pipe(out) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);
    pid_t pid = 0;
    const bool started = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    std::string text;
    char chunk[1 << 16];
    for (ssize_t n; started && (n = read(out[0], chunk, sizeof chunk)) > 0;)
        text.append(chunk, static_cast<std::size_t>(n));
    close(out[0]);
    if (started)
        waitpid(pid, nullptr, 0);
    return text;
}

inline QStringList onPage(int page)
{
    const QString n = QString::number(page);
    return {"-f", n, "-l", n};
}

inline std::string pageText(const QString& pdf, int page)
{
    return tool("pdftotext", onPage(page) << pdf << "-");
}

struct Word {
    QRectF box; // points, from the page's top left
    QString text;
};

// Every word, and the page's size.
inline std::vector<Word> pageWords(const QString& pdf, int page, QSizeF& size)
{
    const QString html = QString::fromStdString(tool("pdftotext", onPage(page) << "-bbox" << pdf << "-"));
    const auto number = [](const QRegularExpressionMatch& m, int i) { return m.captured(i).toDouble(); };
    const auto sized = QRegularExpression(R"re(<page width="([\d.]+)" height="([\d.]+)")re").match(html);
    size = QSizeF(number(sized, 1), number(sized, 2));
    std::vector<Word> words;
    const QRegularExpression word(R"re(xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)re");
    for (const auto& m : word.globalMatch(html)) {
        words.push_back(
            {QRectF(QPointF(number(m, 1), number(m, 2)), QPointF(number(m, 3), number(m, 4))), m.captured(5)});
    }
    return words;
}

inline QImage renderPage(const QString& pdf, int page, int dpi)
{
    return QImage::fromData(
        QByteArray::fromStdString(tool("pdftoppm", onPage(page) << "-r" << QString::number(dpi) << "-png" << pdf)));
}

// A word's ink on the page rendered at dpi: 'r', 'g' or 'b', the channel ruling its most coloured pixel, or 'k'.
inline char inkOf(const QImage& page, const Word& w, int dpi)
{
    const QRect box = QRectF(w.box.topLeft() * dpi / 72, w.box.bottomRight() * dpi / 72).toAlignedRect();
    QColor most(Qt::white);
    int chroma = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const QColor c = page.pixelColor(x, y);
            const int spread = std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()});
            std::tie(chroma, most) = spread > chroma ? std::pair(spread, c) : std::pair(chroma, most);
        }
    }
    const int r = most.red(), g = most.green(), b = most.blue();
    return chroma < 64 ? 'k' : r >= std::max(g, b) ? 'r' : g >= b ? 'g' : 'b';
}
