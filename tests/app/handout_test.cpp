// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/messages.h"
#include "tests/app/programrun.h"
#include "tests/support/pdfpages.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

using namespace std::literals;

namespace {

namespace msg = calc::messages;

// The words of a line, left to right, or of a column, top to bottom.
QString joined(std::vector<Word> words, bool column)
{
    std::ranges::sort(words, {}, [column](const Word& w) { return column ? w.box.top() : w.box.left(); });
    QStringList texts;
    for (const Word& w : words) {
        texts << w.text;
    }
    return texts.join(' ');
}

// The time labels (above "tempo [ms]") and the height labels (right-aligned with "[mA]").
std::pair<QString, QString> scales(const std::vector<Word>& words, std::vector<Word>& times)
{
    const auto find = [&words](const char* text) { return *std::ranges::find(words, text, &Word::text); };
    const QRectF title = find("[ms]").box, unit = find("[mA]").box;
    std::vector<Word> heights;
    for (const Word& w : words) {
        if (w.box.bottom() <= title.top() && w.box.top() > title.top() - 1.5 * title.height()) {
            times.push_back(w);
        }
        if (std::abs(w.box.right() - unit.right()) < 0.5) {
            heights.push_back(w);
        }
    }
    return {joined(times, false), joined(heights, true)};
}

// Rows where the red and the blue curve reach highest, and the blue one lowest.
std::array<double, 3> curveRows(const QImage& page, QRectF& plot)
{
    int first = page.height(), last = 0, left = page.width(), right = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (page.pixel(x, y) == qRgb(255, 224, 192)) {
                first = std::min(first, y);
                last = std::max(last, y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    const double top = first, bottom = last + 1;
    plot = QRectF(QPointF(left, top), QPointF(right + 1, bottom));
    std::array<double, 3> rows{bottom, bottom, top};
    const double baseline = top + (bottom - top) * 0.999 - 4;
    for (int y = first; y <= last; ++y) {
        for (int x = left; x <= right; ++x) {
            const QColor c = page.pixelColor(x, y);
            const bool red = c.red() > 200 && c.green() < 120 && c.blue() < 120;
            const bool blue = c.blue() > 200 && c.red() < 120 && c.green() < 120;
            rows[0] = red ? std::min<double>(rows[0], y) : rows[0];
            rows[1] = blue ? std::min<double>(rows[1], y) : rows[1];
            rows[2] = blue && y < baseline ? std::max<double>(rows[2], y) : rows[2];
        }
    }
    return rows;
}

// By the row --verifica wrote, read from its end: each time label centred just below its period's start; Id picco,
// and Vp at T/4, the full scales; the load's lowest is Vp - ripple.
void expectPlot(const QImage& image, const std::vector<Word>& times, const QStringList& row)
{
    const auto number = [&row](int fromEnd) { return QString(row[row.size() - fromEnd]).replace(',', '.').toDouble(); };
    QRectF plot;
    const auto [red, blue, lowest] = curveRows(image, plot);
    for (const Word& w : times) {
        const double x =
            plot.left() + plot.width() * QString(w.text).replace(',', '.').toDouble() * number(10) / 1000 / number(6);
        EXPECT_NEAR(w.box.center().x() * 150 / 72, x, 3) << w.text.toStdString();
        EXPECT_NEAR(w.box.top() * 150 / 72, plot.bottom() + 10, 6);
    }
    const auto at = [&](double y) { return plot.top() + plot.height() * (100 - y) / 100; };
    EXPECT_NEAR(red, at(98), 2);
    EXPECT_NEAR(blue, at(48.1), 2);
    EXPECT_NEAR(lowest, at(0.1 + 48 * (1 - number(5) / 1000 / number(11))), 2);
}

void expectPage(const QString& pdf, int page, const std::array<std::string, 3>& want, const QStringList& row)
{
    const auto cell = [&row](int fromEnd) { return row[row.size() - fromEnd].toStdString(); };
    const std::string text = pageText(pdf, page);
    EXPECT_NE(text.find(want[0] + "\nRipple = " + cell(5) + " mV VoDC = " + cell(4) + " V Id picco = " + cell(3) +
                        " mA\n" + (page == 2 ? "\n" : msg::TimeConstant + "\n"s)),
              std::string::npos)
        << text;
    QSizeF size;
    const std::vector<Word> words = pageWords(pdf, page, size);
    std::vector<Word> times;
    EXPECT_EQ(scales(words, times), std::pair(QString::fromStdString(want[1]), QString::fromStdString(want[2])));
    QString clash; // the first word outside the page or over another
    for (std::size_t i = 0; i < words.size() && clash.isEmpty(); ++i) {
        clash = QRectF(QPointF(), size).contains(words[i].box) ? "" : words[i].text;
        for (std::size_t j = 0; j < i && clash.isEmpty(); ++j) {
            const bool over = words[i].box.adjusted(0.2, 0.2, -0.2, -0.2).intersects(words[j].box);
            clash = over ? words[i].text + " on " + words[j].text : "";
        }
    }
    EXPECT_EQ(clash, "");
    if (page == 3) {
        return; // the curves cover the plot
    }
    const QImage image = renderPage(pdf, page, 150);
    QStringList marks; // the legend: each curve's colour left of its name, the current first
    std::string inks;  // the header in black but for the warning, in red
    for (const Word& w : words) {
        if (w.box.left() > size.width() * 0.8 && (w.text == "corrente" || w.text == "tensione")) {
            marks << image.pixelColor((QPointF(w.box.left() - 7.5, w.box.center().y()) * 150 / 72).toPoint()).name();
        }
        inks += w.text == "Vp" || w.text == "Ripple" || w.text == "Costante" ? inkOf(image, w, 150) : ' ';
    }
    EXPECT_EQ(marks.join(' '), "#ff0000 #0000ff #00ff00");
    EXPECT_EQ(QString::fromStdString(inks).simplified(), page == 1 ? "k k r" : "k k");
    expectPlot(image, times, row);
}

} // namespace

// A page for each row not refused, in order: its circuit, --verifica's results, the scales, the curves where the
// scales put them: full scale is the peak current (30.36 mA at 10 V, 10 uF, 2 kOhm, 50 Hz), and Vp.
TEST(Handout, OnePagePerComputedRow)
{
    const QTemporaryDir dir;
    const QString pdf = dir.filePath("x.pdf");
    const std::string sheet = "Nome;Vp;f;C;R;N;Np\nprima;10;50;10;2000;10000;4\nrotta;10;0;10;2000;10000;4\n"
                              "\"terza; grande\";12,5;60;100;470;1000;3\nlunga;10;50;10;2000;10000;32767\n";
    EXPECT_EQ(run({"--grafico", pdf}, sheet), Ran(1, "",
                                                  "Riga 2: "s + msg::TimeConstant + "\nRiga 3: " + msg::BadF +
                                                      "\nRiga 5: " + msg::TimeConstant + "\n"));
    const QStringList verified = QString::fromStdString(std::get<1>(run({"--verifica"}, sheet))).split('\n');
    const QString info = QString::fromStdString(tool("pdfinfo", {"-f", "1", "-l", "9", pdf}));
    ASSERT_EQ(info.count("size:  842 x 595 pts (A4)"), 3) << "three pages, A4 landscape";
    std::string often = "0";
    for (int ms = 40000; ms <= 640000; ms += 40000) {
        often += " " + std::to_string(ms); // 20 ms a period, every 2000th: 1000 would leave under 6 digits' room
    }
    const std::string circuit = "\nVp = 10 V f = 50 Hz C = 10 µF R = 2000 Ω N = 10000 Np = ",
                      heights = "30,4 [mA] 0 10 [V] 0";
    // The header's first lines, the time labels, the height labels.
    const std::array<std::string, 3> expected[] = {
        {"prima" + circuit + "4", "0 20 40 60 80", heights},
        {"terza; grande\nVp = 12,5 V f = 60 Hz C = 100 µF R = 470 Ω N = 1000 Np = 3", "0 16,7 33,3 50",
         "340 [mA] 0 12,5 [V] 0"},
        {"lunga" + circuit + "32767", often, heights}};
    for (int page = 1; page <= 3; ++page) {
        expectPage(pdf, page, expected[page - 1], verified[page == 1 ? 1 : page + 1].split(';'));
    }
    // No page, or a row that ends the run: the file stays as it was.
    const auto read = [&pdf] {
        QFile f(pdf);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QByteArray before = read();
    // Each message after its row's line, a piped row's refusal too.
    EXPECT_EQ(run({"--grafico", pdf}, "Vp;f;C;R;Np;Errore\n10;0;10e;2000;4;\n10;50;10;2000;4;rotta\n"),
              Ran(1, "", "Riga 2: "s + msg::BadF + "\nRiga 2: C: letto 10 da \"10e\"\nRiga 3: rotta\n"));
    EXPECT_EQ(std::get<0>(run({"--grafico", pdf}, "Vp;f;C;R;Np\n10;50;10;2000;4\n10;50\n")), 2);
    EXPECT_EQ(read(), before);
}
