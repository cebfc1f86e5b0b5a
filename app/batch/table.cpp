// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch/table.h"

#include "app/batch/csvwriter.h"
#include "app/batch/messages.h"
#include "app/batch/standardoutput.h"

#include <cerrno>

namespace batch {

namespace {

// Joined into one cell; "; " since a warning may hold a comma. A note the
// cell already holds, as an earlier stage wrote it, is not said again.
std::string joined(const std::vector<std::string>& texts)
{
    std::string cell;
    for (const std::string& text : texts) {
        if (("; " + cell + "; ").find("; " + text + "; ") == std::string::npos) {
            cell += (cell.empty() ? "" : "; ") + text;
        }
    }
    return cell;
}

} // namespace

bool readTable(std::istream& in, std::ostream& err, Header& header, const std::vector<Wanted>& inputs,
               std::span<const ColumnName> results, const std::function<bool()>& onHeader, const OnRow& onRow)
{
    bool read = false;
    bool readable = true;
    const auto onRecord = [&](const Record& record, std::size_t line) {
        if (!read) {
            read = true;
            header.cells = record;
            readable = findColumns(header, inputs, results, EarlierWord, err);
            return readable && onHeader();
        }
        if (record.size() != header.cells.size()) {
            err << messages::row(line) << messages::cellCount(record.size(), header.cells.size()) << '\n';
            readable = false;
            return false;
        }
        return onRow(record, line);
    };
    const auto error = readCsv(in, header.dialect, onRecord,
                               [&inputs](std::string_view headerLine) { return dialectFor(headerLine, inputs); });
    if (error) {
        err << *error << '\n';
        return false;
    }
    if (!read) {
        err << messages::NoHeader << '\n';
    }
    return read && readable;
}

std::optional<Record> readSingleRow(std::istream& in, std::ostream& err, Header& header,
                                    const std::vector<Wanted>& inputs, const std::string& option)
{
    std::optional<Record> row;
    bool extra = false;
    const bool readable = readTable(
        in, err, header, inputs, {}, [] { return true; },
        [&](const Record& record, std::size_t /*line*/) {
            extra = row.has_value();
            row = record;
            return !extra;
        });
    if (!readable) {
        return std::nullopt;
    }
    if (extra || !row) {
        err << (extra ? messages::extraDataRow(option) : messages::noDataRow(option)) << '\n';
        return std::nullopt;
    }
    return row;
}

Reported earlierWord(const Header& header, const Record& record)
{
    Reported word;
    if (header.warnings && !record[*header.warnings].empty()) {
        word.warnings.push_back(record[*header.warnings]);
    }
    if (header.refusal) {
        word.refusal = record[*header.refusal];
    }
    return word;
}

bool refusedEarlier(const Header& header, const Record& record, std::ostream& err, std::string_view place)
{
    const std::string refusal = earlierWord(header, record).refusal;
    if (!refusal.empty()) {
        err << place << refusal << '\n';
    }
    return !refusal.empty();
}

void printNotices(const std::vector<std::string>& notices, std::ostream& err, std::string_view place)
{
    for (const std::string& notice : notices) {
        err << place << notice << '\n';
    }
}

calc::ShowMessage Reported::show() &
{
    return [this](calc::Severity severity, const std::string& text) {
        if (severity == calc::Severity::Warning) {
            warnings.push_back(text);
        } else {
            refusal = text;
        }
    };
}

TableWriter::TableWriter(std::ostream& out, std::ostream& err, std::vector<ColumnName> results)
    : out_(out), err_(err), results_(std::move(results))
{
}

bool TableWriter::write(const Record& record, Record appended, std::string_view alsoQuoted)
{
    Record cells;
    for (std::size_t i = 0; i < record.size(); ++i) {
        if (header_->kept[i]) {
            cells.push_back(record[i]);
        }
    }
    cells.insert(cells.end(), appended.begin(), appended.end());
    writeCsv(out_, cells, header_->dialect.separator, alsoQuoted);
    if (!out_.good() && error_ == 0) {
        error_ = errno;
    }
    return out_.good();
}

bool TableWriter::header(const Header& header)
{
    header_ = &header;
    started_ = true;
    if (header_->dialect.byteOrderMark) {
        out_ << ByteOrderMark;
    }
    Record cells = header_->cells;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        cells[i] = header_->renamed[i].empty() ? cells[i] : header_->renamed[i];
    }
    // Another separator in the header line, quoted, splits no cell when it is read back.
    return write(cells, headerTexts(results_), ",;\t");
}

bool TableWriter::row(const Record& record, Record appended, const Reported& reported)
{
    refused_ = refused_ || !reported.refusal.empty();
    appended.push_back(joined(reported.warnings));
    appended.push_back(reported.refusal);
    return write(record, std::move(appended));
}

int TableWriter::finish(bool readable)
{
    if (started_ && !out_.flush()) {
        return reportUnwritable(err_, error_ != 0 ? error_ : errno);
    }
    if (!readable) {
        return Unreadable;
    }
    return refused_ ? Refused : Computed;
}

} // namespace batch
