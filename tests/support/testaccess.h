// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/form1.h"
#include "ui/form2.h"

#include <utility>

namespace ui {

// The one way tests and benchmarks reach inside the windows: message boxes and the save dialog answered in place of
// the user.
struct TestAccess {
    static void setShowMessage(Form1& f, calc::ShowMessage show) { f.show_ = std::move(show); }
    static void setAskSavePath(Form2& f, Form2::AskSavePath ask) { f.askSavePath_ = std::move(ask); }
};

} // namespace ui
