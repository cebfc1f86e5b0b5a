#pragma once

#include "app/batch/csvreader.h"

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace batch {

// The header and exactly one data row, as --campioni and --grafico read them:
// the cells of the required columns in the order asked, or nothing when the
// input cannot be read that way (the message on `err`).
std::optional<Record> readSingleRow(std::istream& in, std::ostream& err, const std::vector<std::string>& required,
                                    const std::string& option);

} // namespace batch
