#pragma once

#include "ui/window_builder.h"

namespace sumwick {

// The main window's layout table (Part 1.3).
const ui::WindowSpec& MainWindowSpec();

// The address behind the hyperlink label of the page "关于": this program's own home page.
inline constexpr char kHomePage[] = "https://sumwick.example.org/";

}  // namespace sumwick
