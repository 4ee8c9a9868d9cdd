#pragma once

#include "ui/window_builder.h"

namespace sumwick {

// The main window's layout table: every control with its place, caption and initial value.
const ui::WindowLayout& MainWindowLayout();

// The address behind the hyperlink label of the page "关于": this program's own home page.
inline constexpr char kHomePage[] = "https://sumwick.example.org/";

}  // namespace sumwick
