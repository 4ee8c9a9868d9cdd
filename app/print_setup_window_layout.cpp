#include "print_setup_window_layout.h"

namespace sumwick {

using namespace ui;

namespace {

WindowLayout MakePrintSetupWindowLayout() {
  WindowLayout layout;
  layout.title = QStringLiteral("打印设置");
  layout.outerSize = QSize(900, 800);
  layout.controls = {
      GroupBox("分组框3", Window(), {8, 8, 352, 128}, "其他设置"),
      Label("标签2", In("分组框3"), {8, 24, 56, 24}, "设置字号"),
      Combo("组合框_自定义字号", In("分组框3"), {72, 24, 72, 20}, NumberItems(10, 24, 2), 0),
      Label("标签3", In("分组框3"), {8, 56, 64, 24}, "设置行高"),
      Combo("组合框_设置行高", In("分组框3"), {72, 56, 72, 20},
            {"10", "15", "20", "25", "30", "35", "40", "50", "60", "70", "80", "90", "100"}, 2),
      Label("标签1", In("分组框3"), {8, 88, 64, 24}, "设置缩放"),
      Combo("组合框_设置缩放", In("分组框3"), {72, 88, 72, 20}, NumberItems(20, 190, 10), 8),
      CheckBox("选择框_题目字体加粗", In("分组框3"), {160, 24, 96, 24}, "题目字体加粗", false),
      CheckBox("选择框_寻找最佳打印缩放比例", In("分组框3"), {160, 88, 152, 24},
               "寻找最佳打印缩放比例", true),

      GroupBox("分组框5", Window(), {360, 8, 152, 128}, "页边距设置"),
      Label("标签4", In("分组框5"), {56, 16, 16, 16}, "↑"),
      Edit("编辑框_页边距上", In("分组框5"), {48, 32, 24, 20}, InputRule::Digits, "50")
          .Spinner(0, 200),
      Label("标签6", In("分组框5"), {8, 56, 16, 16}, "←"),
      Edit("编辑框_页边距左", In("分组框5"), {24, 56, 24, 20}, InputRule::Digits, "50")
          .Spinner(0, 200),
      Edit("编辑框_页边距右", In("分组框5"), {72, 56, 24, 20}, InputRule::Digits, "50")
          .Spinner(0, 200),
      Label("标签7", In("分组框5"), {120, 56, 16, 16}, "→"),
      Edit("编辑框_页边距下", In("分组框5"), {48, 80, 24, 20}, InputRule::Digits, "50")
          .Spinner(0, 200),
      Label("标签5", In("分组框5"), {56, 104, 16, 16}, "↓"),

      GroupBox("分组框4", Window(), {512, 8, 376, 128}, "打印机设置"),
      Combo("组合框_打印机", In("分组框4"), {16, 24, 200, 20}, {}, -1),
      Button("按钮_默认打印机设置", In("分组框4"), {16, 48, 200, 32}, "设置默认打印机"),

      GroupBox("分组框2", Window(), {8, 136, 384, 56}, "表格行列设置"),
      CheckBox("选择框_隐藏表格线", In("分组框2"), {16, 24, 80, 24}, "隐藏表格线", false),
      CheckBox("选择框_隐藏序号", In("分组框2"), {104, 24, 72, 24}, "隐藏序号", false),
      CheckBox("选择框_隐藏答案", In("分组框2"), {176, 24, 72, 24}, "隐藏答案", false),
      CheckBox("选择框_左对齐", In("分组框2"), {248, 24, 72, 24}, "左对齐", false),
      CheckBox("选择框_居中对齐", In("分组框2"), {304, 24, 72, 24}, "居中对齐", false),

      GroupBox("分组框1", Window(), {392, 136, 152, 56}, "打印方向"),
      Radio("单选框_纵向", In("分组框1"), {16, 24, 48, 24}, "纵向", false),
      Radio("单选框_横向", In("分组框1"), {64, 24, 48, 24}, "横向", true),

      GroupBox("分组框6", Window(), {544, 136, 344, 56}, "操作"),
      Button("按钮_打印预览", In("分组框6"), {8, 16, 80, 32}, "打印预览"),
      Button("按钮_打印", In("分组框6"), {96, 16, 80, 32}, "直接打印"),
      Label("标签8", In("分组框6"), {192, 24, 64, 24}, "打印数量："),
      Edit("编辑框_打印数量", In("分组框6"), {248, 24, 32, 20}, InputRule::Digits, "1")
          .Spinner(0, 10),

      ShapeBox("外形框1", Window(), {8, 200, 880, 568}),
  };
  // The order in which the settings store visits each kind of control.
  layout.controlOrder = {
      "选择框_居中对齐",   "选择框_题目字体加粗", "选择框_寻找最佳打印缩放比例",
      "选择框_左对齐",     "选择框_隐藏答案",     "选择框_隐藏序号",
      "选择框_隐藏表格线", "编辑框_打印数量",     "编辑框_页边距下",
      "编辑框_页边距右",   "编辑框_页边距左",     "编辑框_页边距上",
      "组合框_打印机",     "组合框_设置缩放",     "组合框_设置行高",
      "组合框_自定义字号",
  };
  return layout;
}

}  // namespace

const WindowLayout& PrintSetupWindowLayout() {
  static const WindowLayout layout = MakePrintSetupWindowLayout();
  return layout;
}

}  // namespace sumwick
