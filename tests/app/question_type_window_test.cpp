// The question-type window: its controls, the page of the selected type with the page headers
// switched off, Esc.

#include "question_type_window.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

#include "expected_controls.h"
#include "test_support.h"
#include "ui/controls.h"

namespace sumwick {
namespace {

using test::CaptionOf;
using test::ExpectedControl;
using test::KindOf;

GradeSelection GradeOneRow(int k) {
  return {QString::number(k), QStringLiteral("上册"), QString(), QStringLiteral("一年级")};
}

// Every control on the type pages, written out here independently of the window's own table.
const ExpectedControl kControls[] = {
    {"label", "标签2", "page 0", {16, 40, 80, 24}, "分成题型"},
    {"group", "分组框2", "page 0", {8, 72, 472, 100}, "设置"},
    {"label", "标签1", "分组框2", {8, 24, 392, 24}, "分成范围设置            以内  (最小值为5)"},
    {"edit", "编辑框_分成范围_1_1", "分组框2", {88, 24, 40, 20}, "10"},
    {"label", "标签3", "分组框2", {8, 56, 120, 24}, "出题数量         题"},
    {"combo", "组合框_出题数量_1_1", "分组框2", {56, 56, 48, 20}, "50"},
    {"label", "标签5", "分组框2", {136, 56, 176, 24}, "每列显示         题"},
    {"combo", "组合框_每列显示题目数量_1_1", "分组框2", {184, 56, 48, 20}, "10"},
    {"group", "分组框1", "page 0", {8, 176, 472, 160}, "分成方式"},
    {"radio", "单选框_左下", "分组框1", {8, 24, 48, 24}, "左下"},
    {"radio", "单选框_右下", "分组框1", {8, 48, 48, 24}, "右下"},
    {"radio", "单选框_上", "分组框1", {8, 72, 48, 24}, "上"},
    {"radio", "单选框_左下右下随机", "分组框1", {8, 96, 96, 24}, "左下右下随机"},
    {"radio", "单选框_上左下右下随机", "分组框1", {8, 120, 136, 24}, "上 左下 右上 随机"},
    {"picture", "图片框1", "分组框1", {144, 16, 312, 128}, ""},
    {"button", "按钮_出题_1_1", "page 0", {8, 344, 80, 32}, "出题"},
    {"label", "标签4", "page 1", {16, 40, 80, 24}, "10以内加法"},
    {"group", "分组框4", "page 1", {8, 72, 760, 56}, "输出设置"},
    {"label", "标签7", "分组框4", {16, 24, 120, 24}, "出题数量         题"},
    {"combo", "组合框_出题数量_1_2", "分组框4", {68, 27, 48, 20}, "100"},
    {"label", "标签6", "分组框4", {152, 24, 120, 24}, "每列显示         题"},
    {"combo", "组合框_每列显示题目数量_1_2", "分组框4", {200, 27, 48, 20}, "25"},
    {"button", "按钮_出题_1_2", "page 1", {8, 136, 80, 32}, "出题"},
    {"label", "标签8", "page 2", {16, 40, 80, 24}, "10以内减法"},
    {"group", "分组框3", "page 2", {8, 72, 760, 56}, "输出设置"},
    {"label", "标签10", "分组框3", {16, 24, 120, 24}, "出题数量         题"},
    {"combo", "组合框_出题数量_1_3", "分组框3", {68, 27, 48, 20}, "100"},
    {"label", "标签9", "分组框3", {152, 24, 120, 24}, "每列显示         题"},
    {"combo", "组合框_每列显示题目数量_1_3", "分组框3", {200, 27, 48, 20}, "25"},
    {"button", "按钮_出题_1_3", "page 2", {8, 136, 80, 32}, "出题"},
};

QStringList ItemsOf(const QComboBox* box) {
  QStringList items;
  for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
  return items;
}

// True when the strip of the tab control's page headers and the lines of its frame show nothing
// but the window's background.
bool HeadersAndFrameBlank(QWidget& window, const ui::TabControl* tabs) {
  const QImage image = window.grab().toImage();
  const QRgb background = image.pixel(2, 2);  // outside every control
  const QRect area(tabs->mapTo(&window, QPoint(0, 0)), tabs->size());
  const int strip = tabs->PageOffset().y();
  for (int y = area.top(); y <= area.bottom(); ++y) {
    const bool inStrip = y < area.top() + strip;
    const bool edgeRow = y <= area.top() + strip + 1 || y >= area.bottom() - 1;
    for (int x = area.left(); x <= area.right(); ++x) {
      const bool edgeColumn = x <= area.left() + 1 || x >= area.right() - 1;
      if ((inStrip || edgeRow || edgeColumn) && image.pixel(x, y) != background) return false;
    }
  }
  return true;
}

// A left click at `point` of the tab control, routed through the window as a user's click is.
void ClickThroughWindow(QWidget& window, const QWidget* target, QPoint point) {
  QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, target->mapTo(&window, point));
}

class QuestionTypeWindowTest : public testing::Test {
 protected:
  std::unique_ptr<QuestionTypeWindow> Open(const GradeSelection& selection) {
    auto window = std::make_unique<QuestionTypeWindow>(selection);
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    return window;
  }
};

TEST_F(QuestionTypeWindowTest, HasItsTitleSizeAndTwoTabControls) {
  auto window = Open({});
  EXPECT_EQ(window->windowTitle(), "题型设置");
  EXPECT_EQ(window->frameGeometry().size(), QSize(900, 800));  // frame and title bar included
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  auto* grades = window->gradeTabs();
  auto* types = window->typeTabs();
  ASSERT_NE(grades, nullptr);
  ASSERT_NE(types, nullptr);
  EXPECT_EQ(grades->geometry(), QRect(8, 8, 880, 760));
  const QStringList gradeCaptions = {"学龄前", "一年级", "二年级", "三年级",
                                     "四年级", "五年级", "六年级"};
  ASSERT_EQ(grades->count(), 7);
  for (int i = 0; i < 7; ++i) EXPECT_EQ(grades->tabText(i), gradeCaptions[i]);
  ASSERT_EQ(types->count(), 8);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(types->tabText(i), QString::number(i + 1));
  EXPECT_EQ(types->parentWidget(), grades->widget(1));
  EXPECT_EQ(QRect(types->mapTo(grades, QPoint(0, 0)), types->size()), QRect(8, 32, 864, 720));
  for (int page : {3, 4, 5, 6, 7}) {
    EXPECT_TRUE(types->widget(page)->children().isEmpty()) << "page " << page;
  }
  // Without a grade-one selection nothing is switched: page 0 of both, headers on.
  EXPECT_EQ(grades->currentIndex(), 0);
  EXPECT_EQ(types->currentIndex(), 0);
  EXPECT_TRUE(grades->headersShown());
  EXPECT_FALSE(HeadersAndFrameBlank(*window, grades));
}

TEST_F(QuestionTypeWindowTest, EveryControlHasItsKindParentGeometryAndCaption) {
  // Opened on a type page, with the headers off: the controls stay where the table puts them.
  auto window = Open(GradeOneRow(1));
  auto* types = window->typeTabs();
  for (const ExpectedControl& row : kControls) {
    SCOPED_TRACE(row.name);
    QWidget* w = window->findChild<QWidget*>(QString::fromUtf8(row.name));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(KindOf(w), row.kind);
    EXPECT_EQ(CaptionOf(w), QString::fromUtf8(row.caption));
    const QString parent = QString::fromUtf8(row.parent);
    if (parent.startsWith("page ")) {
      EXPECT_EQ(w->parentWidget(), types->widget(parent.mid(5).toInt()));
      EXPECT_EQ(QRect(w->mapTo(types, QPoint(0, 0)), w->size()), row.geometry);
    } else {
      ASSERT_NE(w->parentWidget(), nullptr);
      EXPECT_EQ(w->parentWidget()->objectName(), parent);
      EXPECT_EQ(w->geometry(), row.geometry);
    }
    EXPECT_TRUE(w->isEnabled());
  }
  EXPECT_EQ(window->controls().InOrder().size(), std::size(kControls) + 2);  // and the two tabs
}

TEST_F(QuestionTypeWindowTest, InitialStatesOfTheSplitPage) {
  auto window = Open(GradeOneRow(1));
  const auto radio = [&](const char* name) {
    return window->control<QRadioButton>(QString::fromUtf8(name))->isChecked();
  };
  EXPECT_FALSE(radio("单选框_左下"));
  EXPECT_FALSE(radio("单选框_右下"));
  EXPECT_FALSE(radio("单选框_上"));
  EXPECT_TRUE(radio("单选框_左下右下随机"));
  EXPECT_FALSE(radio("单选框_上左下右下随机"));

  auto* range = window->control<ui::EditBox>(QStringLiteral("编辑框_分成范围_1_1"));
  EXPECT_EQ(range->inputRule(), ui::InputRule::Digits);
  ASSERT_NE(range->spinner(), nullptr);
  range->setText(QStringLiteral("100"));
  range->spinner()->ClickUp();
  EXPECT_EQ(range->text(), "5");  // the spinner's range is 5 to 100

  auto* count = window->control<QComboBox>(QStringLiteral("组合框_出题数量_1_1"));
  EXPECT_EQ(ItemsOf(count), (QStringList{"10", "20", "30", "40", "50", "60", "70", "80", "90", "100"}));
  EXPECT_EQ(count->currentIndex(), 4);
  auto* perColumn = window->control<QComboBox>(QStringLiteral("组合框_每列显示题目数量_1_1"));
  EXPECT_EQ(ItemsOf(perColumn), (QStringList{"10", "15", "20", "25", "30", "35", "40"}));
  EXPECT_EQ(perColumn->currentIndex(), 0);

  auto* picture = window->control<QLabel>(QStringLiteral("图片框1"));
  EXPECT_EQ(picture->pixmap().size(), QSize(440, 221));
  EXPECT_TRUE(picture->hasScaledContents());
}

TEST_F(QuestionTypeWindowTest, PresetListsHoldTheMainWindowsItems) {
  // A preset carries its choice over by position, so the items must be the same.
  test::Sandbox sandbox;
  auto main = sandbox.Open();
  auto window = Open(GradeOneRow(2));
  for (const char* suffix : {"_1_2", "_1_3"}) {
    for (const char* list : {"组合框_出题数量", "组合框_每列显示题目数量"}) {
      const QString name = QString::fromUtf8(list);
      SCOPED_TRACE((name + suffix).toStdString());
      EXPECT_EQ(ItemsOf(window->control<QComboBox>(name + suffix)),
                ItemsOf(main->control<QComboBox>(name)));
    }
  }
}

struct TypePageCase {
  int row;             // the grade-one row, 1 to 3
  const char* title;   // the title label of its page
};

class TypePageTest : public QuestionTypeWindowTest,
                     public testing::WithParamInterface<TypePageCase> {};

TEST_P(TypePageTest, ShowsOnlyThatTypeWithoutPageHeaders) {
  auto window = Open(GradeOneRow(GetParam().row));
  auto* grades = window->gradeTabs();
  auto* types = window->typeTabs();
  EXPECT_EQ(grades->currentIndex(), 1);
  EXPECT_EQ(types->currentIndex(), GetParam().row - 1);
  EXPECT_FALSE(grades->headersShown());
  EXPECT_FALSE(types->headersShown());
  const auto* title = window->findChild<QLabel*>(QString::fromUtf8(GetParam().title));
  ASSERT_NE(title, nullptr);
  EXPECT_TRUE(title->isVisible());
  EXPECT_TRUE(HeadersAndFrameBlank(*window, grades));
  EXPECT_TRUE(HeadersAndFrameBlank(*window, types));

  // Clicks where the headers were reach no page.
  for (auto* tabs : {grades, types}) {
    const int current = tabs->currentIndex();
    const int other = current == 0 ? 1 : 0;
    ClickThroughWindow(*window, tabs->tabBar(), tabs->tabBar()->tabRect(other).center());
    EXPECT_EQ(tabs->currentIndex(), current);
  }
  // Nor does the keyboard.
  QWidget* focus = window->focusWidget();
  ASSERT_NE(focus, nullptr);
  QTest::keyClick(focus, Qt::Key_Tab, Qt::ControlModifier);
  QTest::keyClick(focus, Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(types->currentIndex(), GetParam().row - 1);
  EXPECT_EQ(grades->currentIndex(), 1);
}

INSTANTIATE_TEST_SUITE_P(GradeOneRows, TypePageTest,
                         testing::Values(TypePageCase{1, "标签2"}, TypePageCase{2, "标签4"},
                                         TypePageCase{3, "标签8"}));

TEST_F(QuestionTypeWindowTest, HeaderClicksStillSwitchPagesWhileHeadersAreOn) {
  // The counterpart of the test above: the same click does switch a tab control with headers.
  auto window = Open({});
  auto* grades = window->gradeTabs();
  ClickThroughWindow(*window, grades->tabBar(), grades->tabBar()->tabRect(1).center());
  EXPECT_EQ(grades->currentIndex(), 1);
}

TEST_F(QuestionTypeWindowTest, EscClosesIt) {
  auto window = Open(GradeOneRow(1));
  auto* range = window->control<QLineEdit>(QStringLiteral("编辑框_分成范围_1_1"));
  range->setFocus();
  QTest::keyClick(range, Qt::Key_Escape);
  EXPECT_FALSE(window->isVisible());
}

TEST_F(QuestionTypeWindowTest, ReadsTheSplitPage) {
  auto window = Open(GradeOneRow(1));
  QTest::mouseClick(window->control<QRadioButton>(QStringLiteral("单选框_上")), Qt::LeftButton, {},
                    QPoint(6, 12));
  auto* range = window->control<QLineEdit>(QStringLiteral("编辑框_分成范围_1_1"));
  range->selectAll();
  QTest::keyClicks(range, "7x");
  window->control<QComboBox>(QStringLiteral("组合框_出题数量_1_1"))->setCurrentIndex(0);
  window->control<QComboBox>(QStringLiteral("组合框_每列显示题目数量_1_1"))->setCurrentIndex(6);
  const SplitRequest request = window->ReadSplitRequest();
  EXPECT_EQ(request.mode, SplitBlankMode::Whole);
  EXPECT_EQ(request.range, "7");  // the digits rule dropped the letter
  EXPECT_EQ(request.questionCount, "10");
  EXPECT_EQ(request.questionsPerColumn, "40");
}

}  // namespace
}  // namespace sumwick
