#pragma once

#include "ui/window_builder.h"

namespace sumwick {

// The print setup window's layout table: every control with its place, caption and initial value.
const ui::WindowLayout& PrintSetupWindowLayout();

}  // namespace sumwick
