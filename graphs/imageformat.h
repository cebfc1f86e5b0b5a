// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace graphs {

// The files a graph is saved in: a PNG of the plot area's pixels, or a PDF of
// printed pages. The window's "Salva immagine…" and --grafico both choose by
// the extension of the name's last component, after its last point, in any
// case: ASCII letters only, whatever the locale.
enum class ImageFormat { Png, Pdf };

std::optional<ImageFormat> imageFormatOf(std::string_view path);

// The extension of the format's files, without the point: "png".
std::string_view extensionOf(ImageFormat format);

// The extensions as a message names them: ".png e .pdf".
std::string imageFormatNames();

} // namespace graphs
