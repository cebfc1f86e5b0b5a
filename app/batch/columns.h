#pragma once

#include "app/batch/csvreader.h"

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace batch {

// Where each required column stands in the header, in the order asked. When
// one is missing or named twice: nothing, and the message on `err`.
std::optional<std::vector<std::size_t>> findColumns(const Record& header, const std::vector<std::string>& required,
                                                    std::ostream& err);

} // namespace batch
