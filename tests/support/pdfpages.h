// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A PDF's pages read back as poppler's tools see them.

#include <QImage>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>

#include <algorithm>
#include <string>
#include <vector>

inline std::string tool(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    return p.readAllStandardOutput().toStdString();
}

inline std::string pageText(const QString& pdf, int page)
{
    const QString n = QString::number(page);
    return tool("pdftotext", {"-f", n, "-l", n, pdf, "-"});
}

struct Word {
    QRectF box; // points, from the page's top left
    QString text;
};

// Every word of the page, and the page's size.
inline std::vector<Word> pageWords(const QString& pdf, int page, QSizeF& size)
{
    const QString n = QString::number(page);
    const QString html = QString::fromStdString(tool("pdftotext", {"-bbox", "-f", n, "-l", n, pdf, "-"}));
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
    const QString n = QString::number(page);
    return QImage::fromData(
        QByteArray::fromStdString(tool("pdftoppm", {"-f", n, "-l", n, "-r", QString::number(dpi), "-png", pdf})));
}

// The colour a word is printed in, on the page rendered at dpi: 'r', 'g' or 'b' where one channel rules its most
// coloured pixel, 'k' where none is coloured.
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
