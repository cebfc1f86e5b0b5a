// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/imageformat.h"

#include "calc/ascii.h"

#include <algorithm>
#include <array>
#include <utility>

namespace graphs {

namespace {

constexpr std::array<std::pair<std::string_view, ImageFormat>, 2> Extensions{{
    {"png", ImageFormat::Png},
    {"pdf", ImageFormat::Pdf},
}};

} // namespace

std::optional<ImageFormat> imageFormatOf(std::string_view path)
{
    const std::string_view name = path.substr(path.rfind('/') + 1);
    const std::size_t point = name.rfind('.');
    if (point == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view extension = name.substr(point + 1);
    for (const auto& [known, format] : Extensions) {
        if (calc::equalIgnoringAsciiCase(extension, known)) {
            return format;
        }
    }
    return std::nullopt;
}

std::string_view extensionOf(ImageFormat format)
{
    return std::find_if(Extensions.begin(), Extensions.end(), [format](const auto& e) { return e.second == format; })
        ->first;
}

std::string imageFormatNames()
{
    std::string names;
    for (std::size_t i = 0; i < Extensions.size(); ++i) {
        names += (i == 0 ? "." : i + 1 == Extensions.size() ? " e ." : ", .") + std::string(Extensions[i].first);
    }
    return names;
}

} // namespace graphs
