// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every text the graphs show or say of their own, word for word: the window's
// title and legend, which the printed page repeats with its axis titles, and
// what the user reads when a picture cannot be written.

#include <string>

namespace graphs {

// The graph window's title and legend, which its printed page repeats.
inline constexpr const char* PageTitle = "Corrente nel diodo e tensione sul carico";
inline constexpr const char* CurrentLegend = "corrente nel diodo";
inline constexpr const char* LoadLegend = "tensione sul carico";
// The page names the green curve too.
inline constexpr const char* HalfWaveLegend = "tensione senza condensatore";

// The page's axis titles, each with its unit.
inline constexpr const char* TimeAxis = "tempo [ms]";
inline constexpr const char* CurrentAxis = "corrente [mA]";
inline constexpr const char* VoltageAxis = "tensione [V]";

// The reason when the target is not a regular file.
inline constexpr const char* NotARegularFile = "Non è un file ordinario, e non si può sostituire per intero";

// The reason when the picture or the page could not be drawn, so that there is
// nothing to write.
inline constexpr const char* NotDrawn = "Impossibile disegnare il grafico";

// What the user reads when a picture could not be written to path, in the
// window or on the command line.
inline std::string imageNotSaved(const std::string& path, const std::string& reason)
{
    return "Impossibile salvare l'immagine in\n" + path + "\n" + reason + ". Nessun file è stato creato o modificato.";
}

} // namespace graphs
