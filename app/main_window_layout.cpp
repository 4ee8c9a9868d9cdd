#include "main_window_layout.h"

namespace sumwick {

using namespace ui;

namespace {

QStringList GradeOnePictures() {
  QStringList files;
  for (int k = 0; k < 4; ++k) files << QStringLiteral(":/pictures/grade1_%1.png").arg(k);
  return files;
}

QStringList GradeTwoPictures() {
  QStringList files;
  for (int k = 0; k < 9; ++k) files << QStringLiteral(":/pictures/grade2_%1.png").arg(k);
  return files;
}

WindowLayout MakeMainWindowLayout() {
  const QString tabs = QStringLiteral("高级选择夹");
  const ParentRef page0 = Page(tabs, 0);
  WindowLayout layout;
  layout.title = QStringLiteral("SumwickV1.5");
  layout.outerSize = QSize(800, 600);
  layout.iconFiles = {QStringLiteral(":/icons/sumwick-16.png"), QStringLiteral(":/icons/sumwick-32.png"),
                    QStringLiteral(":/icons/sumwick-48.png"), QStringLiteral(":/icons/sumwick-64.png")};
  layout.controls = {
      Tabs(tabs, Window(), {8, 8, 776, 560},
           {"四则运算", "学龄前", "一年级", "二年级", "三年级", "四年级", "五年级", "六年级", "题库",
            "关于"}),

      // Page 0 "四则运算".
      GroupBox("分组框1", page0, {8, 32, 760, 56}, "难度设置"),
      Edit("编辑框_n元运算", In("分组框1"), {16, 24, 32, 20}, InputRule::ReadOnly, "4")
          .Spinner(2, 9)
          .Bold(),
      Label("标签1", In("分组框1"), {72, 24, 40, 24}, "元运算"),

      GroupBox("分组框2", page0, {8, 96, 760, 56}, "运算符设置"),
      CheckBox("选择框_加", In("分组框2"), {16, 24, 40, 24}, "+", true),
      CheckBox("选择框_减", In("分组框2"), {56, 24, 40, 24}, "-", true),
      CheckBox("选择框_乘", In("分组框2"), {96, 24, 40, 24}, "×", false),
      CheckBox("选择框_除", In("分组框2"), {136, 24, 40, 24}, "÷", false),

      GroupBox("分组框3", page0, {8, 160, 760, 56}, "数字范围设置"),
      Label("标签2", In("分组框3"), {16, 24, 328, 24},
            "数字范围         到             答案范围         以内"),
      Edit("编辑框_最小值", In("分组框3"), {72, 24, 40, 20}, InputRule::Digits, "5"),
      Edit("编辑框_最大值", In("分组框3"), {136, 24, 40, 20}, InputRule::Digits, "20"),
      Edit("编辑框_答案范围", In("分组框3"), {264, 24, 40, 20}, InputRule::Free, "1000"),

      GroupBox("分组框4", page0, {8, 224, 760, 56}, "输出设置"),
      Label("标签3", In("分组框4"), {16, 24, 120, 24}, "出题数量         题"),
      Combo("组合框_出题数量", In("分组框4"), {68, 27, 48, 20}, NumberItems(10, 100, 10), 9),
      Label("标签5", In("分组框4"), {152, 24, 120, 24}, "每列显示         题"),
      Combo("组合框_每列显示题目数量", In("分组框4"), {200, 27, 48, 20},
            {"10", "15", "20", "25", "30", "35", "40", "50"}, 3),

      GroupBox("分组框5", page0, {8, 288, 760, 192}, "附加设置"),
      CheckBox("选择框_排除小数减大数", In("分组框5"), {16, 16, 216, 24},
               "排除小数减大数(只适用于加减运算)", false),

      Button("按钮_出题", page0, {8, 488, 80, 32}, "出题"),

      // Page 2 "一年级".
      List("超级列表框_一年级", Page(tabs, 2), {8, 32, 760, 440},
           {{"", 0}, {"序号", 50}, {"学期", 50}, {"题型 举个栗子", 350}, {"最近出题时间", 200}})
          .Pictures(GradeOnePictures()),

      // Page 3 "二年级".
      List("超级列表框_二年级", Page(tabs, 3), {8, 32, 760, 440},
           {{"", 0}, {"序号", 50}, {"学期", 50}, {"题型", 170}, {"举个栗子", 350}})
          .Pictures(GradeTwoPictures()),

      // Page 8 "题库".
      List("超级列表框1", Page(tabs, 8), {8, 32, 440, 296}, {{"序号", 50}, {"年级", 50}, {"题型", 150}}),

      // Page 9 "关于".
      Label("标签4", Page(tabs, 9), {24, 32, 544, 96},
            "欢迎大家在论坛回帖或PM短消息积极反馈要添加的功能以及bug\r\n"
            "能力范围尽量添加各种不同功能\r\n"
            "让小学生有个愉快的假期\r\n"
            "本软件根据反馈，长期更新！\r\n"
            "如果觉得好用就点个赞！")
          .Font(14)
          .Wrapped(),
      Hyperlink("超级链接框1", Page(tabs, 9), {24, 128, 336, 24},
                QStringLiteral("论坛地址：") + QLatin1String(kHomePage), QLatin1String(kHomePage)),
  };
  // The window's control order: the order in which the settings store visits each kind, which
  // fixes the order of the entries in the configuration file.
  layout.controlOrder = {
      "选择框_排除小数减大数", "选择框_除", "选择框_乘", "选择框_减", "选择框_加",
      "编辑框_最小值", "编辑框_最大值", "编辑框_答案范围", "编辑框_n元运算",
      "组合框_每列显示题目数量", "组合框_出题数量",
  };
  return layout;
}

}  // namespace

const WindowLayout& MainWindowLayout() {
  static const WindowLayout layout = MakeMainWindowLayout();
  return layout;
}

}  // namespace sumwick
