#include "app/batch/columns.h"

#include "app/batch/messages.h"

#include <algorithm>

namespace batch {

std::optional<std::vector<std::size_t>> findColumns(const Record& header, const std::vector<std::string>& required,
                                                    std::ostream& err)
{
    std::vector<std::size_t> columns;
    for (const std::string& name : required) {
        const auto at = std::find(header.begin(), header.end(), name);
        if (at == header.end()) {
            err << messages::missingColumn(name) << '\n';
            return std::nullopt;
        }
        if (std::find(at + 1, header.end(), name) != header.end()) {
            err << messages::repeatedColumn(name) << '\n';
            return std::nullopt;
        }
        columns.push_back(static_cast<std::size_t>(at - header.begin()));
    }
    return columns;
}

} // namespace batch
