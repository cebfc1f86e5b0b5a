// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/batch/columns.h"
#include "app/batch/csvreader.h"
#include "app/batch/exitstatus.h"
#include "app/batch/partialread.h"
#include "app/batch/sheetnumbers.h"
#include "app/batch/tables.h"
#include "calc/showmessage.h"

#include <algorithm>
#include <functional>
#include <istream>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace batch {

// The one reader of every mode: the header (the dialect, the columns), then
// each data row with the header's cell count, handed on with the line it
// begins on. A row with another count ends the run. False when the input
// cannot be read (the message on `err`); a handler's false only stops it.
using OnRow = std::function<bool(const Record& record, std::size_t line)>;
bool readTable(std::istream& in, std::ostream& err, Header& header, const std::vector<Wanted>& inputs,
               std::span<const ColumnName> results, const std::function<bool()>& onHeader, const OnRow& onRow);

// The one data row --campioni and --grafico read; nothing when there is none
// or more than one (the message on `err`), or the input cannot be read.
std::optional<Record> readSingleRow(std::istream& in, std::ostream& err, Header& header,
                                    const std::vector<Wanted>& inputs, const std::string& option);

template <class Texts>
std::vector<Wanted> wanted(std::span<const InputColumn<Texts>> columns)
{
    std::vector<Wanted> names;
    for (const auto& c : columns) {
        names.push_back({c.column, c.optional, c.keptAs});
    }
    return names;
}

// The texts a row gives the press: each cell as the window's field would
// hold it (windowText), the field's default for a missing optional column.
template <class Texts>
Texts textsOf(std::span<const InputColumn<Texts>> columns, const Header& header, const Record& record)
{
    Texts texts;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (header.inputs[i]) {
            texts.*columns[i].text = windowText(record[*header.inputs[i]], header.dialect.decimal);
        }
    }
    return texts;
}

template <class Texts>
std::vector<std::string> readNotices(std::span<const InputColumn<Texts>> columns, const Header& header,
                                     const Record& record)
{
    std::vector<std::string> notices;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (header.inputs[i]) {
            const auto& c = columns[i];
            if (auto notice = readNotice(c.column.name, record[*header.inputs[i]], header.dialect, c.whole)) {
                notices.push_back(*notice);
            }
        }
    }
    return notices;
}

// What one row's press reported, filed by severity.
struct Reported {
    std::vector<std::string> warnings;
    std::string refusal;
    // Records into this object, which must outlive the press it is given to.
    calc::ShowMessage show() &;
};

// What an earlier stage said of a row: its Avviso as the first warning, its
// Errore as the refusal.
Reported earlierWord(const Header& header, const Record& record);

// For --campioni and --grafico: true when an earlier stage refused the row,
// whose Errore then goes to `err` after the row's `place`.
bool refusedEarlier(const Header& header, const Record& record, std::ostream& err, std::string_view place = {});

// For --campioni and --grafico: what was read of the cells, on `err` after
// the press's messages, each after the row's `place`, on a refused row too.
void printNotices(const std::vector<std::string>& notices, std::ostream& err, std::string_view place = {});

// The output of --verifica and --progetto, one row at a time: the header,
// then each row as read without the cells the results replace, followed by
// the results, Avviso and Errore. Rows follow the header, whose reading they
// keep to.
class TableWriter {
public:
    TableWriter(std::ostream& out, std::ostream& err, std::vector<ColumnName> results);
    bool header(const Header& header);
    bool row(const Record& record, Record appended, const Reported& reported);
    // The exit status once the input has been read.
    int finish(bool readable);

private:
    bool write(const Record& record, Record appended, std::string_view alsoQuoted = {});
    std::ostream& out_;
    std::ostream& err_;
    const Header* header_ = nullptr;
    std::vector<ColumnName> results_;
    bool started_ = false;
    int error_ = 0; // errno of the first write that failed
    bool refused_ = false;
};

template <class Texts, class Results>
using Press = std::function<std::optional<Results>(const Texts& texts, char separator, const calc::ShowMessage&)>;

// One row through the press: the results' cells, and what the press reported
// with what was read of a cell in front of its warnings, on a refused row too.
template <class Texts, class Results>
Record pressRow(const Press<Texts, Results>& press, std::span<const InputColumn<Texts>> inputs,
                std::span<const ResultColumn<Results>> results, const Header& header, const Record& record,
                Reported& reported)
{
    const char decimal = header.dialect.decimal;
    const auto pressed = press(textsOf(inputs, header, record), decimal, inSheet(decimal, reported.show()));
    Record cells;
    for (const auto& r : results) {
        cells.push_back(pressed ? (*pressed).*r.text : "");
    }
    const auto notices = readNotices(inputs, header, record);
    reported.warnings.insert(reported.warnings.begin(), notices.begin(), notices.end());
    return cells;
}

// The loop of --verifica and --progetto.
template <class Texts, class Results>
int runTable(std::istream& in, std::ostream& out, std::ostream& err, std::span<const InputColumn<Texts>> inputs,
             std::span<const ResultColumn<Results>> results, const Press<Texts, Results>& press)
{
    std::vector<ColumnName> names;
    for (const auto& r : results) {
        names.push_back(r.column);
    }
    names.insert(names.end(), {Warnings, Refusal});
    Header header;
    TableWriter writer(out, err, names);
    // A row an earlier stage refused stays refused; its notes come first.
    const auto onRow = [&](const Record& record, std::size_t /*line*/) {
        Reported reported = earlierWord(header, record);
        Record cells(results.size());
        if (reported.refusal.empty()) {
            Reported now;
            cells = pressRow(press, inputs, results, header, record, now);
            reported.warnings.insert(reported.warnings.end(), now.warnings.begin(), now.warnings.end());
            reported.refusal = now.refusal;
        }
        return writer.row(record, std::move(cells), reported);
    };
    return writer.finish(readTable(
        in, err, header, wanted(inputs), names, [&] { return writer.header(header); }, onRow));
}

} // namespace batch
