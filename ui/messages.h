// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every text the windows show of their own, word for word. Captions of the
// main window's fixed labels stand in its layout table (ui/form1.cpp); the
// calculations' messages are in calc/messages.h.

#include "graphs/imageformat.h"

#include <string>

namespace ui::messages {

inline constexpr const char* ProgramTitle = "Raddrizzatore a singola semionda";
inline constexpr const char* CircuitName = "Circuito raddrizzatore a singola semionda";
inline constexpr const char* Calculate = "Calcola";
inline constexpr const char* Graph = "Grafico";
inline constexpr const char* Copy = "Copia";

// When no display can be reached, in place of Qt's own lines and abort.
inline constexpr const char* NoDisplay =
    "Impossibile aprire la finestra: non c'è uno schermo a cui collegarsi. Senza schermo il programma lavora dalla "
    "riga di comando: raddrizzatore --help.";

// What the F1 box tells about the model behind the numbers.
inline constexpr const char* ModelNotesTitle = "Informazioni";
inline constexpr const char* ModelNotes =
    "Il diodo è considerato ideale: quando conduce la tensione ai suoi capi è nulla, quando è interdetto "
    "non lascia passare corrente.\n\n"
    "\"Verifica\" e \"Grafico\" calcolano il funzionamento a regime, cioè quello che si ripete identico a ogni "
    "periodo una volta esaurito il transitorio di accensione. Ogni periodo è campionato in N punti: più punti "
    "danno risultati più precisi, ma richiedono più tempo.\n\n"
    "\"Progetto\" usa le formule approssimate di uso comune, che considerano il ripple piccolo e la scarica "
    "del condensatore lineare per tutto il periodo. Controlla sempre il progetto con \"Verifica\".";

// The graph window; its title and legend are in graphs/messages.h.
inline constexpr const char* PlotName = "Grafico delle forme d'onda";
inline constexpr const char* ReadoutHint = "Spostando il mouse sulle forme d'onda si leggono i valori";
inline constexpr const char* CopyImage = "Copia immagine";
inline constexpr const char* SaveImage = "Salva immagine…";
inline constexpr const char* Print = "Stampa…";
inline constexpr const char* SaveDialogTitle = "Salva immagine";
inline constexpr const char* PngFilter = "Immagine PNG (*.png)";
inline constexpr const char* PdfFilter = "Documento PDF (*.pdf)";
inline constexpr const char* DefaultImageName = "grafico"; // before the type's extension
inline constexpr const char* DrawingReplaced =
    "Il grafico è stato disegnato con valori che un calcolo successivo ha sostituito. "
    "Premi di nuovo \"Grafico\" per stamparlo o salvarlo in PDF.";
inline std::string unknownImageFormat(const std::string& file)
{
    return "Formato non previsto per il file " + file + ": \"Salva immagine…\" scrive file " +
           graphs::imageFormatNames() + ".";
}
inline constexpr const char* PrinterNotAnswering = "Impossibile stampare il grafico: la stampante non risponde.";

} // namespace ui::messages
