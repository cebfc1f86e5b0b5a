// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

namespace graphs {

// The image as the bytes of a PNG file, made in memory so that it is written
// whole (see writeWholeFile). Empty when it could not be encoded.
QByteArray pngBytes(const QImage& image);

} // namespace graphs
