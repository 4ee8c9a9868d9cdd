#pragma once

#include "ui/window_builder.h"

namespace sumwick {

// The question-type window's layout table: every control with its place, caption and initial value.
const ui::WindowLayout& QuestionTypeWindowLayout();

// The split diagram shown on the number-split page (a resource drawn by assets/draw_assets.cpp).
inline constexpr char kSplitDiagramPicture[] = ":/pictures/split_diagram.png";

}  // namespace sumwick
