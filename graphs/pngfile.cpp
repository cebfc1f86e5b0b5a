// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/pngfile.h"

#include <QBuffer>
#include <QImageWriter>

namespace graphs {

QByteArray pngBytes(const QImage& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!QImageWriter(&buffer, "png").write(image)) {
        return {};
    }
    return png;
}

} // namespace graphs
