// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/module1fwd.h"
#include "graphs/pagetexts.h"

#include <QByteArray>

#include <memory>

namespace graphs {

// A PDF made in memory, one printed page (drawPlotPage: A4, landscape, all
// vector) for each module added, in order. Its text needs Qt's fonts, which
// the program's QGuiApplication sets up.
class PdfPages {
public:
    PdfPages();
    ~PdfPages();
    PdfPages(const PdfPages&) = delete;
    PdfPages& operator=(const PdfPages&) = delete;

    // False when the page could not be drawn; the document then stays empty.
    bool add(const calc::SampleArrays& arrays, const calc::Module1Scalars& m, const PageText& text);
    int count() const;
    // The document's bytes: empty when it holds no page or a page failed.
    QByteArray finish();

private:
    struct Document;
    std::unique_ptr<Document> document_;
};

// A module's graph as the bytes of a one-page PDF; empty when it could not be drawn.
QByteArray pdfPage(const calc::SampleArrays& arrays, const calc::Module1Scalars& m, const PageText& text);

} // namespace graphs
