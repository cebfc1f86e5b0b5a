// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

#include <string>

namespace graphs {

// Writes the image as a PNG file at path, all or nothing: the picture goes
// into a temporary file beside the target, which replaces the target only
// once it is complete. On failure returns false and leaves whatever was at
// path as it was.
bool writePng(const QImage& image, const QString& path);

// What the user reads when a picture could not be written to path, in the
// window or on the command line; the reason, where known, is the system's.
inline std::string imageNotSaved(const std::string& path, const std::string& reason = {})
{
    return "Impossibile salvare l'immagine in\n" + path + "\n" + (reason.empty() ? "" : reason + ". ") +
           "Nessun file è stato creato o modificato.";
}

} // namespace graphs
