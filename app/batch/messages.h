// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the command line tells its user on standard error, besides the
// messages of the window that it passes on word for word.

#include <cstddef>
#include <string>
#include <string_view>

namespace batch::messages {

inline std::string row(std::size_t line)
{
    return "Riga " + std::to_string(line) + ": ";
}

inline constexpr const char* NoHeader = "L'ingresso è vuoto: manca la riga di intestazione con i nomi delle colonne.";
inline constexpr const char* NotCsv = "l'ingresso non è un CSV valido (virgolette non chiuse o fuori posto).";
inline constexpr const char* NotUtf8 = "il testo non è UTF-8 valido.";
inline constexpr const char* Unreadable = "Impossibile leggere lo standard input.";
// After the window's message for a refused number, in a sheet with decimal commas.
inline constexpr const char* SheetNumbers = ". In questo foglio la virgola separa i decimali e il punto soltanto le "
                                            "migliaia, a gruppi di tre cifre: ad es. 1,23 , 2.000 , 1.000,5";
inline constexpr const char* SeeHelp = "Per l'uso: raddrizzatore --help";

// The system's reason follows, as strerror words it under the user's locale.
inline std::string unwritable(const std::string& reason)
{
    return "Impossibile scrivere lo standard output: " + reason + ".";
}

inline std::string unreadable(const std::string& reason)
{
    return "Impossibile leggere lo standard input: " + reason + ".";
}

// Every separator has been tried when a column is missing.
inline std::string missingColumn(std::string_view name)
{
    return "Manca la colonna " + std::string(name) +
           " nella riga di intestazione (separatori provati: punto e virgola, tabulazione e virgola).";
}

inline std::string repeatedColumn(std::string_view name)
{
    return "La colonna " + std::string(name) + " compare più di una volta nella riga di intestazione.";
}

inline std::string otherUnit(const std::string& cell, const std::string& expected)
{
    return "L'unità della colonna " + cell + " non è quella del campo: scrivi " + expected + ".";
}

inline std::string count(std::size_t n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

inline std::string cellCount(std::size_t cells, std::size_t columns)
{
    return count(cells, "cella", "celle") + ", ma l'intestazione ha " + count(columns, "colonna", "colonne") + ".";
}

// A cell the field's rule read only in part, or rounded to a whole number.
inline std::string readAs(std::string_view column, std::string_view value, std::string_view cell)
{
    return std::string(column) + ": letto " + std::string(value) + " da \"" + std::string(cell) + "\"";
}

inline std::string noDataRow(const std::string& option)
{
    return "Manca la riga di dati: " + option + " ne legge una, sotto l'intestazione.";
}

// A handout takes every row, and needs one.
inline constexpr const char* NoHandoutRow =
    "Manca la riga di dati: --grafico con un file .pdf ne legge almeno una, sotto l'intestazione.";

// A picture of one circuit is asked for more; a handout would take them all.
inline std::string extraDataRow(const std::string& option)
{
    return option + " legge una sola riga di dati." +
           (option == "--grafico" ? " Per più righe scrivi un file .pdf, una pagina per riga." : "");
}

inline std::string unknownOption(const std::string& option)
{
    return "Opzione sconosciuta: " + option;
}

inline std::string repeatedOption(const std::string& option)
{
    return "L'opzione " + option + " compare più di una volta.";
}

inline std::string unexpectedArgument(const std::string& argument)
{
    return "Argomento inatteso: " + argument;
}

inline std::string unknownFormat(const std::string& file, const std::string& formats)
{
    return "Formato non previsto per il file " + file + ": --grafico scrive file " + formats + ".";
}

inline constexpr const char* MissingFile = "Manca il nome del file dopo --grafico.";
inline constexpr const char* BadArguments = "Argomenti non validi.";
inline constexpr const char* OneMode =
    "Scegli una sola delle opzioni --verifica, --progetto, --campioni e --grafico FILE.";

} // namespace batch::messages
