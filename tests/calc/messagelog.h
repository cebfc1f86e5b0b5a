// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/showmessage.h"

#include <string>
#include <vector>

// Stands in for the message boxes: each text as if read and answered with OK.
struct MessageLog {
    std::vector<std::string> shown;
    int refusals = 0;
    calc::ShowMessage callback()
    {
        return [this](calc::Severity severity, const std::string& text) {
            shown.push_back(text);
            refusals += severity != calc::Severity::Warning;
        };
    }
};
