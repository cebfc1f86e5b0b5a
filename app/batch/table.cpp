#include "app/batch/table.h"

#include "app/batch/columns.h"
#include "app/batch/csvwriter.h"
#include "app/batch/exitstatus.h"
#include "app/batch/messages.h"

#include <optional>

namespace batch {

int runTable(std::istream& in, std::ostream& out, std::ostream& err, const std::vector<std::string>& required,
             const std::vector<std::string>& appendedNames, const RowRule& rule)
{
    std::optional<std::vector<std::size_t>> columns;
    std::size_t width = 0;
    int status = Computed;
    Record fields(required.size());
    Record appended;
    Record output;
    const auto error = readCsv(in, [&](const Record& record, std::size_t number) {
        if (!columns) {
            columns = findColumns(record, required, err);
            if (!columns) {
                status = Unreadable;
                return false;
            }
            width = record.size();
            appended = appendedNames;
        } else if (record.size() != width) {
            err << messages::row(number) << messages::cellCount(record.size(), width) << '\n';
            status = Unreadable;
            return false;
        } else {
            for (std::size_t i = 0; i < fields.size(); ++i) {
                fields[i] = record[(*columns)[i]];
            }
            if (!rule(fields, appended)) {
                status = Refused;
            }
        }
        output = record;
        output.insert(output.end(), appended.begin(), appended.end());
        writeCsv(out, output);
        return out.good();
    });
    if (error) {
        err << *error << '\n';
        return Unreadable;
    }
    if (status == Unreadable) {
        return status;
    }
    if (!columns) {
        err << messages::NoHeader << '\n';
        return Unreadable;
    }
    if (!out.flush()) {
        err << messages::Unwritable << '\n';
        return Unreadable;
    }
    return status;
}

} // namespace batch
