// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/pngfile.h"

#include <QImageWriter>
#include <QSaveFile>

namespace graphs {

bool writePng(const QImage& image, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    QImageWriter writer(&file, "png");
    // The last buffered bytes reach the disk only on flush, and commit() would
    // rename a file cut short by a full disk over the target regardless.
    if (!writer.write(image) || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace graphs
