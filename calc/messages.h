// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every text the calculations show the user, word for word.

namespace calc::messages {

inline constexpr const char* TimeConstant = "Costante di tempo RC troppo piccola, aumenta C!";

#define RADDRIZZATORE_INVALID_TAIL                                                                                     \
    ". Puoi scrivere soltanto numeri razionali con il punto come separatore decimale, anche in "                       \
    "forma esponenziale. Ad es: 1.23 , 1E-5 , 5E3"

// Verification and graph fields.
inline constexpr const char* MissingVp = "Hai dimenticato di scrivere il valore della tensione di picco del generatore";
inline constexpr const char* InvalidVp =
    "Errore di inserimento dati per il valore della tensione di picco del generatore" RADDRIZZATORE_INVALID_TAIL;
inline constexpr const char* MissingF = "Hai dimenticato di scrivere il valore della frequenza";
inline constexpr const char* InvalidF =
    "Errore di inserimento dati per il valore della frequenza" RADDRIZZATORE_INVALID_TAIL;
inline constexpr const char* MissingC = "Hai dimenticato di scrivere il valore della capacità";
inline constexpr const char* InvalidC =
    "Errore di inserimento dati per il valore della capacità" RADDRIZZATORE_INVALID_TAIL;
inline constexpr const char* MissingR = "Hai dimenticato di scrivere il valore della resistenza di carico";
inline constexpr const char* InvalidR =
    "Errore di inserimento dati per il valore della resistenza di carico" RADDRIZZATORE_INVALID_TAIL;
inline constexpr const char* MissingN = "Hai dimenticato di scrivere il numero dei campioni";
inline constexpr const char* InvalidN =
    "Errore di inserimento dati per il numero dei campioni" RADDRIZZATORE_INVALID_TAIL;
inline constexpr const char* MissingNp = "Hai dimenticato di scrivere il numero dei periodi visualizzati";
inline constexpr const char* InvalidNp =
    "Errore di inserimento dati per il numero dei periodi visualizzati" RADDRIZZATORE_INVALID_TAIL;

// Design fields.
inline constexpr const char* MissingVoDC = "Hai dimenticato di scrivere la tensione continua in uscita";
inline constexpr const char* InvalidVoDC =
    "Errore di inserimento dati per la tensione continua in uscita" RADDRIZZATORE_INVALID_TAIL;
inline constexpr const char* MissingDesignF = "Hai dimenticato di scrivere la frequenza";
inline constexpr const char* InvalidDesignF = "Errore di inserimento dati per la frequenza" RADDRIZZATORE_INVALID_TAIL;
inline constexpr const char* MissingIoDC = "Hai dimenticato di scrivere il valore della corrente continua nel carico";
inline constexpr const char* InvalidIoDC =
    "Errore di inserimento dati per il valore della corrente continua nel carico" RADDRIZZATORE_INVALID_TAIL;
inline constexpr const char* MissingRipple = "Hai dimenticato di scrivere il valore del ripple";
inline constexpr const char* InvalidRipple =
    "Errore di inserimento dati per il valore del ripple" RADDRIZZATORE_INVALID_TAIL;

#undef RADDRIZZATORE_INVALID_TAIL

// Values that pass the character check but cannot be computed with.
inline constexpr const char* TooLargeVp =
    "Il valore della tensione di picco del generatore è troppo grande: scrivi un numero finito.";
inline constexpr const char* ZeroVp =
    "Il valore della tensione di picco del generatore deve essere diverso da zero per disegnare il grafico.";
inline constexpr const char* BadF = "Il valore della frequenza deve essere un numero finito maggiore di zero.";
inline constexpr const char* BadC = "Il valore della capacità deve essere un numero finito maggiore di zero.";
inline constexpr const char* BadR =
    "Il valore della resistenza di carico deve essere un numero finito maggiore di zero.";
inline constexpr const char* BadN = "Il numero dei campioni deve essere un numero intero da 1 a 53687091.";
inline constexpr const char* BadNp =
    "Il numero dei periodi visualizzati deve essere un numero intero da -32768 a 32767.";
inline constexpr const char* BadVoDC = "La tensione continua in uscita deve essere un numero finito diverso da zero.";
inline constexpr const char* BadDesignF = "La frequenza deve essere un numero finito diverso da zero.";
inline constexpr const char* BadIoDC =
    "Il valore della corrente continua nel carico deve essere un numero finito diverso da zero.";
inline constexpr const char* BadRipple = "Il valore del ripple deve essere un numero finito diverso da zero.";
inline constexpr const char* DesignOutOfRange =
    "I valori richiesti danno un risultato troppo grande o non calcolabile: cambia i dati del progetto.";
inline constexpr const char* NotFinite =
    "I valori inseriti danno un risultato troppo grande o non calcolabile: cambia i dati della verifica.";
inline constexpr const char* OutOfMemory =
    "Memoria insufficiente per il numero dei campioni richiesto: scrivi un numero di campioni più piccolo.";

} // namespace calc::messages
