#pragma once

// What the command line tells its user on standard error, besides the
// messages of the window that it passes on word for word.

#include <cstddef>
#include <string>

namespace batch::messages {

inline std::string row(std::size_t number)
{
    return "Riga " + std::to_string(number) + ": ";
}

inline constexpr const char* NoHeader = "L'ingresso è vuoto: manca la riga di intestazione con i nomi delle colonne.";
inline constexpr const char* NotCsv = "l'ingresso non è un CSV valido (virgolette non chiuse o fuori posto).";
inline constexpr const char* NotUtf8 = "il testo non è UTF-8 valido.";
inline constexpr const char* Unreadable = "Impossibile leggere lo standard input.";
inline constexpr const char* Unwritable = "Impossibile scrivere lo standard output.";
inline constexpr const char* SeeHelp = "Per l'uso: raddrizzatore --help";

inline std::string missingColumn(const std::string& name)
{
    return "Manca la colonna " + name + " nella riga di intestazione.";
}

inline std::string repeatedColumn(const std::string& name)
{
    return "La colonna " + name + " compare più di una volta nella riga di intestazione.";
}

inline std::string cellCount(std::size_t cells, std::size_t columns)
{
    return std::to_string(cells) + " celle, ma l'intestazione ha " + std::to_string(columns) + " colonne.";
}

inline std::string noDataRow(const std::string& option)
{
    return "Manca la riga di dati: " + option + " ne legge una, sotto l'intestazione.";
}

inline std::string extraDataRow(const std::string& option)
{
    return option + " legge una sola riga di dati.";
}

inline std::string unwritableFile(const std::string& file)
{
    return "Impossibile scrivere il file " + file + ".";
}

inline std::string unknownOption(const std::string& option)
{
    return "Opzione sconosciuta: " + option;
}

inline std::string unexpectedArgument(const std::string& argument)
{
    return "Argomento inatteso: " + argument;
}

inline constexpr const char* MissingFile = "Manca il nome del file PNG dopo --grafico.";
inline constexpr const char* BadArguments = "Argomenti non validi.";
inline constexpr const char* OneMode =
    "Scegli una sola delle opzioni --verifica, --progetto, --campioni e --grafico FILE.png.";

inline constexpr const char* Usage = R"(Uso: raddrizzatore [--verifica | --progetto | --campioni | --grafico FILE.png]

Senza argomenti apre la finestra del programma. Con un'opzione lavora sulla
riga di comando, senza finestra e senza schermo: legge un CSV (RFC 4180,
separato da virgole, UTF-8) dallo standard input, la cui prima riga nomina le
colonne in qualunque ordine. Ogni cella segue le regole del campo della
finestra che porta lo stesso nome, con gli stessi messaggi; i risultati hanno
il punto come separatore decimale.

  --verifica          ogni riga con le colonne Vp [V], f [Hz], C [uF], R [ohm]
                      e N fa come "Calcola" di "Verifica". Scrive su standard
                      output le colonne lette e poi Ripple [mV], VoDC [V],
                      Id picco [mA], Avviso, Errore.
  --progetto          ogni riga con le colonne VoDC [V], f [Hz], IoDC [mA] e
                      Ripple [mV] fa come "Calcola" di "Progetto". Scrive le
                      colonne lette e poi R [ohm], Vp [V], C [uF], Errore.
  --campioni          da una sola riga con Vp, f, C, R, N scrive gli N + 1
                      campioni del periodo: t [s], id [A], Vc [V], VoNoC [V].
  --grafico FILE.png  da una sola riga con Vp, f, C, R, N, Np disegna in
                      FILE.png il grafico di "Grafico" (989 x 581 pixel).
  --version           scrive la versione del programma.
  -h, --help          mostra questo aiuto.

Le altre colonne passano invariate. Con --campioni e --grafico avvisi ed errori
vanno sullo standard error.

Stato di uscita: 0 se ogni riga è stata calcolata; 1 se qualche riga è stata
rifiutata (le altre sono scritte comunque); 2 se l'ingresso non si può leggere
come richiesto (una colonna mancante, un CSV non valido, una riga con un numero
di celle diverso dall'intestazione), se l'uscita non si può scrivere o se
un'opzione è sconosciuta.
)";

} // namespace batch::messages
