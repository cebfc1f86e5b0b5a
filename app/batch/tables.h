// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one description of each table's columns: the reader finds them, the
// presses get their texts from them, the writer names the results after
// them, and --help lists them.

#include "app/batch/columns.h"
#include "calc/circuit.h"
#include "calc/design.h"
#include "calc/module1.h"
#include "calc/verification.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <span>
#include <string>

namespace batch {

// The circuit fields, and the graph's periods.
struct CircuitRow : calc::CircuitTexts {
    std::string Np = calc::DefaultNp;
};

// What --verifica and --campioni read.
inline constexpr InputColumn<CircuitRow> CircuitColumnList[] = {
    {{"Vp", "V"}, &CircuitRow::Vp}, {{"f", "Hz"}, &CircuitRow::f},           {{"C", "uF"}, &CircuitRow::C},
    {{"R", "ohm"}, &CircuitRow::R}, {{"N", ""}, &CircuitRow::N, true, true},
};
// What --grafico reads: the same, then Np.
inline constexpr auto GraphColumnList = [] {
    std::array<InputColumn<CircuitRow>, std::size(CircuitColumnList) + 1> list{};
    std::ranges::copy(CircuitColumnList, list.begin());
    list.back() = {{"Np", ""}, &CircuitRow::Np, true, true};
    return list;
}();
inline constexpr std::span<const InputColumn<CircuitRow>> CircuitColumns = CircuitColumnList;
inline constexpr std::span<const InputColumn<CircuitRow>> GraphColumns = GraphColumnList;

inline constexpr InputColumn<calc::DesignTexts> DesignColumnList[] = {
    {{"VoDC", "V"}, &calc::DesignTexts::VoDC, false, false, "VoDC richiesto"},
    {{"f", "Hz"}, &calc::DesignTexts::f},
    {{"IoDC", "mA"}, &calc::DesignTexts::IoDC},
    {{"Ripple", "mV"}, &calc::DesignTexts::Ripple, false, false, "Ripple richiesto"},
};

inline constexpr ResultColumn<calc::VerificationResults> VerificationResultList[] = {
    {{"Ripple", "mV"}, &calc::VerificationResults::Ripple},
    {{"VoDC", "V"}, &calc::VerificationResults::VoDC},
    {{"Id picco", "mA"}, &calc::VerificationResults::IdPicco},
};

inline constexpr ResultColumn<calc::DesignResults> DesignResultList[] = {
    {{"R", "ohm"}, &calc::DesignResults::R},
    {{"Vp", "V"}, &calc::DesignResults::Vp},
    {{"C", "uF"}, &calc::DesignResults::C},
};

inline constexpr std::span<const InputColumn<calc::DesignTexts>> DesignColumns = DesignColumnList;
inline constexpr std::span<const ResultColumn<calc::VerificationResults>> VerificationResultColumns =
    VerificationResultList;
inline constexpr std::span<const ResultColumn<calc::DesignResults>> DesignResultColumns = DesignResultList;

// After the results of every table: the warnings, then the refusal.
inline constexpr ColumnName Warnings{"Avviso", ""};
inline constexpr ColumnName Refusal{"Errore", ""};
// An earlier stage's word, in a table piped from it.
inline constexpr ColumnName EarlierWord[] = {Warnings, Refusal};

// A column of --campioni, and its value at sample k.
struct SampleColumn {
    ColumnName column;
    double (*value)(const calc::Module1& m, std::int32_t k);
};

inline constexpr SampleColumn SampleColumns[] = {
    {{"t", "s"}, [](const calc::Module1& m, std::int32_t k) { return m.sampleTime(k); }},
    {{"id", "A"}, [](const calc::Module1& m, std::int32_t k) { return m.id[k]; }},
    {{"Vc", "V"}, [](const calc::Module1& m, std::int32_t k) { return m.Vc[k]; }},
    {{"VoNoC", "V"}, [](const calc::Module1& m, std::int32_t k) { return m.VoNoC[k]; }},
};

} // namespace batch
