#pragma once

#include <QImage>
#include <QString>

namespace graphs {

// Writes the image as a PNG file at path, all or nothing: the picture goes
// into a temporary file beside the target, which replaces the target only
// once it is complete. On failure returns false and leaves whatever was at
// path as it was.
bool writePng(const QImage& image, const QString& path);

} // namespace graphs
