#pragma once

namespace ui {

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

} // namespace ui
