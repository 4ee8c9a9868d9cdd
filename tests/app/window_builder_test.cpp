// The window builder on its own, with the kinds and nestings that the print setup window and the
// question-type window will need: a modal dialog, a tab control inside a tab page, radio groups, a
// picture box, a shape box, digits boxes with spinners.

#include <QDialog>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "test_support.h"
#include "ui/controls.h"
#include "ui/window_builder.h"

namespace sumwick {
namespace {

using namespace ui;

WindowLayout DialogLayout() {
  WindowLayout layout;
  layout.title = QString::fromUtf8("题型设置");
  layout.outerSize = QSize(900, 800);
  layout.controls = {
      Tabs("高级选择夹", Window(), {8, 8, 880, 760}, {"学龄前", "一年级", "二年级"}),
      Tabs("高级选择夹1", Page("高级选择夹", 1), {8, 32, 864, 720}, {"1", "2", "3"}),
      Label("标签2", Page("高级选择夹1", 0), {16, 40, 80, 24}, "分成题型"),
      GroupBox("分组框1", Page("高级选择夹1", 0), {8, 176, 472, 160}, "分成方式"),
      Radio("单选框_左下", In("分组框1"), {8, 24, 48, 24}, "左下", false),
      Radio("单选框_右下", In("分组框1"), {8, 48, 48, 24}, "右下", true),
      PictureBox("图片框1", In("分组框1"), {144, 16, 312, 128}, ":/pictures/split_diagram.png").Bordered(),
      GroupBox("分组框6", Window(), {544, 136, 344, 56}, "操作"),
      Edit("编辑框_打印数量", In("分组框6"), {248, 24, 32, 20}, InputRule::Digits, "1").Spinner(0, 10),
      CheckBox("选择框_左对齐", In("分组框6"), {8, 24, 72, 24}, "左对齐", false),
      CheckBox("选择框_居中对齐", In("分组框6"), {64, 24, 72, 24}, "居中对齐", false),
      ShapeBox("外形框1", Window(), {8, 200, 880, 568}),
  };
  return layout;
}

class ClosingDialog : public QDialog {
 public:
  int closeEvents = 0;

 protected:
  void closeEvent(QCloseEvent* event) override {
    ++closeEvents;
    QDialog::closeEvent(event);
  }
};

TEST(WindowBuilder, PlacesControlsOnNestedTabPagesRelativeToTheirTabControl) {
  ClosingDialog dialog;
  const Controls controls = BuildWindow(&dialog, DialogLayout());
  auto* outer = controls.Get<TabControl>("高级选择夹");
  auto* inner = controls.Get<TabControl>("高级选择夹1");
  ASSERT_TRUE(outer && inner);
  outer->setCurrentIndex(1);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("题型设置"));
  EXPECT_EQ(dialog.frameGeometry().size(), QSize(900, 800)) << "outer size, frame included";
  EXPECT_EQ(QRect(inner->mapTo(outer, QPoint()), inner->size()), QRect(8, 32, 864, 720));
  QWidget* label = controls.Find("标签2");
  EXPECT_EQ(label->parentWidget(), inner->widget(0));
  EXPECT_EQ(QRect(label->mapTo(inner, QPoint()), label->size()), QRect(16, 40, 80, 24));
  EXPECT_EQ(controls.Find("单选框_右下")->geometry(), QRect(8, 48, 48, 24));
  EXPECT_EQ(controls.Find("外形框1")->geometry(), QRect(8, 200, 880, 568));
  // The two check boxes overlap as the layout gives them.
  EXPECT_TRUE(controls.Find("选择框_左对齐")->geometry().intersects(controls.Find("选择框_居中对齐")->geometry()));

  auto* picture = controls.Get<QLabel>("图片框1");
  EXPECT_TRUE(picture->hasScaledContents());
  EXPECT_EQ(picture->pixmap().size(), QSize(440, 221)) << "the split diagram, stretched to the box";
  EXPECT_EQ(picture->frameShape(), QFrame::Box);
  EXPECT_EQ(picture->focusPolicy(), Qt::NoFocus);
}

TEST(WindowBuilder, RadioButtonsOfOneGroupBoxFormOneGroup) {
  QDialog dialog;
  const Controls controls = BuildWindow(&dialog, DialogLayout());
  auto* left = controls.Get<QRadioButton>("单选框_左下");
  auto* right = controls.Get<QRadioButton>("单选框_右下");
  EXPECT_FALSE(left->isChecked());
  EXPECT_TRUE(right->isChecked());
  left->click();
  EXPECT_TRUE(left->isChecked());
  EXPECT_FALSE(right->isChecked());
}

TEST(WindowBuilder, ADigitsSpinnerWrapsAtItsBounds) {
  QDialog dialog;
  const Controls controls = BuildWindow(&dialog, DialogLayout());
  auto* edit = controls.Get<EditBox>("编辑框_打印数量");
  ASSERT_NE(edit, nullptr);
  edit->setText("10");
  edit->spinner()->ClickUp();
  EXPECT_EQ(edit->text(), "0");
  edit->spinner()->ClickDown();
  EXPECT_EQ(edit->text(), "10");
  edit->setText(QString::fromUtf8("５"));  // full-width digits read as their ASCII forms
  edit->spinner()->ClickUp();
  EXPECT_EQ(edit->text(), "6");
}

TEST(WindowBuilder, EscClosesAModalDialogThroughItsCloseEvent) {
  ClosingDialog dialog;
  const Controls controls = BuildWindow(&dialog, DialogLayout());
  QTimer::singleShot(0, &dialog, [&] {
    QTest::keyClick(controls.Find("编辑框_打印数量"), Qt::Key_Escape);
  });
  controls.Find("编辑框_打印数量")->setFocus();
  dialog.exec();
  EXPECT_EQ(dialog.closeEvents, 1);
  EXPECT_FALSE(dialog.isVisible());
}

TEST(WindowBuilder, GroupBoxChildrenArePlacedFromTheBoxsTopLeftCorner) {
  QDialog dialog;
  const Controls controls = BuildWindow(&dialog, DialogLayout());
  QWidget* edit = controls.Find("编辑框_打印数量");
  EXPECT_EQ(edit->mapTo(&dialog, QPoint()), QPoint(544 + 248, 136 + 24));
}

}  // namespace
}  // namespace sumwick
