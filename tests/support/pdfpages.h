// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A PDF's pages read back as poppler's tools see them.

#include <QImage>
#include <QRectF>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

// What a tool writes on its standard output, started by a shell: under QEMU (the arm64 tests) QProcess's clone is
// refused.
inline std::string tool(const QString& program, const QStringList& args)
{
    QString command = program;
    for (const QString& a : args) {
        command += " '" + QString(a).replace("'", R"('\'')") + "'";
    }
    std::string text;
    FILE* out = popen(command.toLocal8Bit().constData(), "r");
    char chunk[1 << 16];
    for (std::size_t n; out != nullptr && (n = std::fread(chunk, 1, sizeof chunk, out)) > 0;) {
        text.append(chunk, n);
    }
    if (out != nullptr) {
        pclose(out);
    }
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
