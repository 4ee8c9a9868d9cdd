#include "question_type_window_layout.h"

namespace sumwick {

using namespace ui;

namespace {

const QStringList kCounts = NumberItems(10, 100, 10);
const QStringList kSplitPerColumn = {"10", "15", "20", "25", "30", "35", "40"};
const QStringList kArithmeticPerColumn = {"10", "15", "20", "25", "30", "35", "40", "50"};

// Page 0 of the type tabs: number splitting.
QList<ControlRow> SplitPage() {
  const ParentRef page = Page("高级选择夹1", 0);
  return {
      Label("标签2", page, {16, 40, 80, 24}, "分成题型"),
      GroupBox("分组框2", page, {8, 72, 472, 100}, "设置"),
      Label("标签1", In("分组框2"), {8, 24, 392, 24},
            "分成范围设置            以内  (最小值为5)"),
      Edit("编辑框_分成范围_1_1", In("分组框2"), {88, 24, 40, 20}, InputRule::Digits, "10")
          .Spinner(5, 100),
      Label("标签3", In("分组框2"), {8, 56, 120, 24}, "出题数量         题"),
      Combo("组合框_出题数量_1_1", In("分组框2"), {56, 56, 48, 20}, kCounts, 4),
      Label("标签5", In("分组框2"), {136, 56, 176, 24}, "每列显示         题"),
      Combo("组合框_每列显示题目数量_1_1", In("分组框2"), {184, 56, 48, 20}, kSplitPerColumn, 0),
      GroupBox("分组框1", page, {8, 176, 472, 160}, "分成方式"),
      Radio("单选框_左下", In("分组框1"), {8, 24, 48, 24}, "左下", false),
      Radio("单选框_右下", In("分组框1"), {8, 48, 48, 24}, "右下", false),
      Radio("单选框_上", In("分组框1"), {8, 72, 48, 24}, "上", false),
      Radio("单选框_左下右下随机", In("分组框1"), {8, 96, 96, 24}, "左下右下随机", true),
      Radio("单选框_上左下右下随机", In("分组框1"), {8, 120, 136, 24}, "上 左下 右上 随机",
            false),
      PictureBox("图片框1", In("分组框1"), {144, 16, 312, 128}, kSplitDiagramPicture).Bordered(),
      Button("按钮_出题_1_1", page, {8, 344, 80, 32}, "出题"),
  };
}

// Pages 1 and 2 of the type tabs: addition and subtraction within ten. They differ only in names.
struct PresetPageNames {
  int page;
  const char* title;
  const char* titleLabel;
  const char* groupBox;
  const char* countLabel;
  const char* perColumnLabel;
  const char* suffix;
};

QList<ControlRow> PresetPage(const PresetPageNames& n) {
  const ParentRef page = Page("高级选择夹1", n.page);
  const QString group = QString::fromUtf8(n.groupBox);
  const QString suffix = QString::fromUtf8(n.suffix);
  return {
      Label(QString::fromUtf8(n.titleLabel), page, {16, 40, 80, 24}, QString::fromUtf8(n.title)),
      GroupBox(group, page, {8, 72, 760, 56}, "输出设置"),
      Label(QString::fromUtf8(n.countLabel), In(group), {16, 24, 120, 24}, "出题数量         题"),
      Combo("组合框_出题数量" + suffix, In(group), {68, 27, 48, 20}, kCounts, 9),
      Label(QString::fromUtf8(n.perColumnLabel), In(group), {152, 24, 120, 24},
            "每列显示         题"),
      Combo("组合框_每列显示题目数量" + suffix, In(group), {200, 27, 48, 20}, kArithmeticPerColumn,
            3),
      Button("按钮_出题" + suffix, page, {8, 136, 80, 32}, "出题"),
  };
}

WindowLayout MakeQuestionTypeWindowLayout() {
  WindowLayout layout;
  layout.title = QStringLiteral("题型设置");
  layout.outerSize = QSize(900, 800);
  layout.controls = {
      Tabs("高级选择夹", Window(), {8, 8, 880, 760},
           {"学龄前", "一年级", "二年级", "三年级", "四年级", "五年级", "六年级"}),
      Tabs("高级选择夹1", Page("高级选择夹", 1), {8, 32, 864, 720}, NumberItems(1, 8, 1)),
  };
  layout.controls += SplitPage();
  layout.controls += PresetPage({1, "10以内加法", "标签4", "分组框4", "标签7", "标签6", "_1_2"});
  layout.controls += PresetPage({2, "10以内减法", "标签8", "分组框3", "标签10", "标签9", "_1_3"});
  // Nothing of this window is saved, so it has no control order.
  return layout;
}

}  // namespace

const WindowLayout& QuestionTypeWindowLayout() {
  static const WindowLayout layout = MakeQuestionTypeWindowLayout();
  return layout;
}

}  // namespace sumwick
