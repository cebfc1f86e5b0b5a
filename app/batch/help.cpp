// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch/help.h"

#include "app/batch/graphfile.h"
#include "app/batch/tables.h"
#include "graphs/imageformat.h"
#include "graphs/plotgeometry.h"

namespace batch {

namespace {

constexpr const char* Indent = "\n                    ";

template <class Texts>
std::string inputList(std::span<const InputColumn<Texts>> columns)
{
    std::string list;
    for (const auto& c : columns) {
        list += (list.empty() ? "" : ", ") + headerText(c.column);
        if (c.optional) {
            list += " (senza colonna: " + Texts{}.*c.text + ")";
        }
    }
    return list;
}

template <class Results>
std::string resultList(std::span<const ResultColumn<Results>> columns)
{
    std::string list;
    for (const auto& c : columns) {
        list += headerText(c.column) + ", ";
    }
    return list + std::string(Warnings.name) + ", " + std::string(Refusal.name);
}

std::string sampleList()
{
    std::string list;
    for (const SampleColumn& c : SampleColumns) {
        list += (list.empty() ? "" : ", ") + headerText(c.column);
    }
    return list;
}

std::string modes()
{
    return std::string(R"(  --verifica        fa "Calcola" di "Verifica" su ogni riga. Colonne:)") + Indent +
           inputList(CircuitColumns) + Indent + "Aggiunge:" + Indent + resultList(VerificationResultColumns) +
           R"(
  --progetto        fa "Calcola" di "Progetto" su ogni riga. Colonne:)" +
           Indent + inputList(DesignColumns) + Indent + "Aggiunge:" + Indent + resultList(DesignResultColumns) +
           R"(
  --campioni        da una sola riga con le colonne di --verifica scrive gli
                    N + 1 campioni del periodo:)" +
           Indent + sampleList() + R"(.
  --grafico FILE    da una sola riga con le colonne di --verifica e Np
                    (senza colonna: )" +
           calc::DefaultNp + R"() disegna il grafico di "Grafico")" + Indent + "(" + std::to_string(graphs::PlotWidth) +
           " x " + std::to_string(graphs::PlotHeight) + " pixel) in FILE (" + graphs::imageFormatNames() +
           R"(), o in PNG sullo
                    standard output se FILE è "-". Un FILE .pdf legge invece
                    ogni riga: una pagina per riga con il circuito, i
                    risultati e le scale; il testo della colonna Nome, se
                    c'è, ne è il sottotitolo.
  --version         scrive la versione del programma.
  -h, --help        mostra questo aiuto.
)";
}

} // namespace

std::string usage()
{
    return std::string(R"(Uso: raddrizzatore [--verifica | --progetto | --campioni | --grafico FILE]

Senza argomenti, o con le sole opzioni di Qt (-style fusion, -platform xcb …),
apre la finestra del programma. Con un'opzione lavora sulla riga di comando,
senza finestra e senza schermo: legge un CSV (RFC 4180,
UTF-8) dallo standard input. Le righe vuote, anche di soli separatori, sono
saltate. La prima riga nomina le colonne in qualunque ordine, senza badare a
maiuscole e spazi, con l'unità facoltativa tra parentesi quadre o tonde (µF
per uF e Ω per ohm valgono). Il separatore è quello tra ";", tabulazione e
"," che divide la prima riga nelle colonne richieste. Con ";" e con la
tabulazione i numeri hanno la virgola decimale, anche nei risultati, e il
punto separa solo le migliaia a gruppi di tre cifre (2.000 è 2000); un altro
punto è rifiutato con il messaggio del campo. Ogni cella segue le regole del
campo della finestra con lo stesso nome, con gli stessi messaggi; se la
regola legge solo una parte della cella, Avviso dice che cosa ha letto. Con
la tabulazione, che i fogli di calcolo usano in ogni lingua, Avviso dice
anche dove un punto è letto come separatore delle migliaia (12.500 è 12500).

)") + modes() +
           R"(
Le colonne aggiunte sostituiscono quelle con lo stesso nome, le altre passano
invariate; VoDC e Ripple di --progetto tornano come "VoDC richiesto" e
"Ripple richiesto", che --verifica non sostituisce e che --progetto rilegge
al posto delle colonne VoDC e Ripple scritte da --verifica. Una riga con
Errore già scritto da un passo precedente resta rifiutata, e Avviso si
allunga degli avvisi che non ha già. Con --campioni e --grafico avvisi ed
errori vanno sullo standard error.

Stato di uscita: 0 se ogni riga è stata calcolata; 1 se qualche riga è stata
rifiutata (le altre sono scritte comunque); 2 se l'ingresso non si può leggere
come richiesto (una colonna mancante, un CSV non valido, una riga con un numero
di celle diverso dall'intestazione, uno standard input chiuso o che è una
cartella), se l'uscita non si può scrivere o se un'opzione è sconosciuta o
data due volte.
)";
}

} // namespace batch
