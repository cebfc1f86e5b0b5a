#include "app/batch/singlerow.h"

#include "app/batch/columns.h"
#include "app/batch/messages.h"

namespace batch {

std::optional<Record> readSingleRow(std::istream& in, std::ostream& err, const std::vector<std::string>& required,
                                    const std::string& option)
{
    std::optional<std::vector<std::size_t>> columns;
    std::size_t width = 0;
    std::optional<Record> fields;
    bool unreadable = false;
    const auto error = readCsv(in, [&](const Record& record, std::size_t number) {
        if (!columns) {
            columns = findColumns(record, required, err);
            width = record.size();
            unreadable = !columns;
            return !unreadable;
        }
        if (record.size() != width) {
            err << messages::row(number) << messages::cellCount(record.size(), width) << '\n';
            unreadable = true;
            return false;
        }
        if (fields) {
            err << messages::extraDataRow(option) << '\n';
            unreadable = true;
            return false;
        }
        fields.emplace();
        for (const std::size_t column : *columns) {
            fields->push_back(record[column]);
        }
        return true;
    });
    if (error) {
        err << *error << '\n';
        return std::nullopt;
    }
    if (unreadable) {
        return std::nullopt;
    }
    if (!columns) {
        err << messages::NoHeader << '\n';
        return std::nullopt;
    }
    if (!fields) {
        err << messages::noDataRow(option) << '\n';
    }
    return fields;
}

} // namespace batch
