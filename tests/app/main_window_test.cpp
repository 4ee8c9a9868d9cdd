// The main window: frame, every control, input rules, spinners, lists, the page "关于".

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QEnterEvent>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

#include "main_window_layout.h"
#include "expected_controls.h"
#include "test_support.h"
#include "ui/controls.h"

namespace sumwick {
namespace {

using test::CaptionOf;
using test::ExpectedControl;
using test::KindOf;

using test::Sandbox;

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = sandbox.Open();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }
  void TearDown() override {
    if (window) window->close();
  }
  template <typename T>
  T* Get(const char* name) {
    T* control = window->control<T>(QString::fromUtf8(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }

  Sandbox sandbox;
  std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, HasItsTitleFixedOuterSizeIconAndOpensCentred) {
  EXPECT_EQ(window->windowTitle(), "SumwickV1.5");
  // Offscreen there is no frame: the outer size is the client size.
  EXPECT_EQ(window->frameGeometry().size(), QSize(800, 600));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  const Qt::WindowFlags flags = window->windowFlags();
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
  const QIcon icon = window->windowIcon();
  QList<QSize> sizes = icon.availableSizes();
  std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
  EXPECT_EQ(sizes, (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}}));
  const QRect screen = window->screen()->availableGeometry();
  EXPECT_LE((window->frameGeometry().center() - screen.center()).manhattanLength(), 2);
}

TEST_F(MainWindowTest, TheTabControlHasTenPagesAndShowsPageZero) {
  auto* tabs = window->tabs();
  ASSERT_NE(tabs, nullptr);
  EXPECT_EQ(tabs->objectName(), QString::fromUtf8("高级选择夹"));
  EXPECT_EQ(tabs->parentWidget(), window.get());
  EXPECT_EQ(tabs->geometry(), QRect(8, 8, 776, 560));
  const QStringList captions = {"四则运算", "学龄前", "一年级", "二年级", "三年级",
                                "四年级",   "五年级", "六年级", "题库",   "关于"};
  ASSERT_EQ(tabs->count(), 10);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(tabs->tabText(i), captions[i]);
  EXPECT_EQ(tabs->currentIndex(), 0);
  for (int empty : {1, 4, 5, 6, 7}) {
    EXPECT_TRUE(tabs->widget(empty)->children().isEmpty()) << "page " << empty;
  }
}

// Every control of the main window, written out here independently of the window's own table.
const ExpectedControl kControls[] = {
    {"group", "分组框1", "page 0", {8, 32, 760, 56}, "难度设置"},
    {"edit", "编辑框_n元运算", "分组框1", {16, 24, 32, 20}, "4"},
    {"label", "标签1", "分组框1", {72, 24, 40, 24}, "元运算"},
    {"group", "分组框2", "page 0", {8, 96, 760, 56}, "运算符设置"},
    {"check", "选择框_加", "分组框2", {16, 24, 40, 24}, "+"},
    {"check", "选择框_减", "分组框2", {56, 24, 40, 24}, "-"},
    {"check", "选择框_乘", "分组框2", {96, 24, 40, 24}, "×"},
    {"check", "选择框_除", "分组框2", {136, 24, 40, 24}, "÷"},
    {"group", "分组框3", "page 0", {8, 160, 760, 56}, "数字范围设置"},
    {"label", "标签2", "分组框3", {16, 24, 328, 24},
     "数字范围         到             答案范围         以内"},
    {"edit", "编辑框_最小值", "分组框3", {72, 24, 40, 20}, "5"},
    {"edit", "编辑框_最大值", "分组框3", {136, 24, 40, 20}, "20"},
    {"edit", "编辑框_答案范围", "分组框3", {264, 24, 40, 20}, "1000"},
    {"group", "分组框4", "page 0", {8, 224, 760, 56}, "输出设置"},
    {"label", "标签3", "分组框4", {16, 24, 120, 24}, "出题数量         题"},
    {"combo", "组合框_出题数量", "分组框4", {68, 27, 48, 20}, "100"},
    {"label", "标签5", "分组框4", {152, 24, 120, 24}, "每列显示         题"},
    {"combo", "组合框_每列显示题目数量", "分组框4", {200, 27, 48, 20}, "25"},
    {"group", "分组框5", "page 0", {8, 288, 760, 192}, "附加设置"},
    {"check", "选择框_排除小数减大数", "分组框5", {16, 16, 216, 24}, "排除小数减大数(只适用于加减运算)"},
    {"button", "按钮_出题", "page 0", {8, 488, 80, 32}, "出题"},
    {"list", "超级列表框_一年级", "page 2", {8, 32, 760, 440}, ""},
    {"list", "超级列表框_二年级", "page 3", {8, 32, 760, 440}, ""},
    {"list", "超级列表框1", "page 8", {8, 32, 440, 296}, ""},
    {"label", "标签4", "page 9", {24, 32, 544, 96},
     "欢迎大家在论坛回帖或PM短消息积极反馈要添加的功能以及bug\r\n能力范围尽量添加各种不同功能\r\n"
     "让小学生有个愉快的假期\r\n本软件根据反馈，长期更新！\r\n如果觉得好用就点个赞！"},
    {"link", "超级链接框1", "page 9", {24, 128, 336, 24}, "论坛地址：https://sumwick.example.org/"},
};

TEST_F(MainWindowTest, EveryControlHasItsKindParentGeometryAndCaption) {
  auto* tabs = window->tabs();
  for (const ExpectedControl& row : kControls) {
    SCOPED_TRACE(row.name);
    QWidget* w = window->findChild<QWidget*>(QString::fromUtf8(row.name));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(KindOf(w), row.kind);
    EXPECT_EQ(CaptionOf(w), QString::fromUtf8(row.caption));
    const QString parent = QString::fromUtf8(row.parent);
    if (parent.startsWith("page ")) {
      const int page = parent.mid(5).toInt();
      EXPECT_EQ(w->parentWidget(), tabs->widget(page));
      // Positions on a page are relative to the tab control itself.
      EXPECT_EQ(QRect(w->mapTo(tabs, QPoint(0, 0)), w->size()), row.geometry);
    } else {
      ASSERT_NE(w->parentWidget(), nullptr);
      EXPECT_EQ(w->parentWidget()->objectName(), parent);
      EXPECT_EQ(w->geometry(), row.geometry);
    }
    EXPECT_TRUE(w->isEnabled());
  }
  // And no named control that the table does not list (spinner arrows are part of their box).
  QStringList expected;
  for (const ExpectedControl& row : kControls) expected << QString::fromUtf8(row.name);
  expected << QString::fromUtf8("高级选择夹");
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (window->controls().Find(w->objectName()) == w) {
      EXPECT_TRUE(expected.contains(w->objectName())) << w->objectName().toStdString();
    }
  }
  EXPECT_EQ(window->controls().InOrder().size(), expected.size());
}

TEST_F(MainWindowTest, InitialStatesOfCheckBoxesAndCombos) {
  EXPECT_TRUE(Get<QCheckBox>("选择框_加")->isChecked());
  EXPECT_TRUE(Get<QCheckBox>("选择框_减")->isChecked());
  EXPECT_FALSE(Get<QCheckBox>("选择框_乘")->isChecked());
  EXPECT_FALSE(Get<QCheckBox>("选择框_除")->isChecked());
  EXPECT_FALSE(Get<QCheckBox>("选择框_排除小数减大数")->isChecked());

  struct ComboRow {
    const char* name;
    QStringList items;
    int selected;
  } combos[] = {
      {"组合框_出题数量", {"10", "20", "30", "40", "50", "60", "70", "80", "90", "100"}, 9},
      {"组合框_每列显示题目数量", {"10", "15", "20", "25", "30", "35", "40", "50"}, 3},
  };
  for (const ComboRow& row : combos) {
    SCOPED_TRACE(row.name);
    auto* combo = Get<QComboBox>(row.name);
    EXPECT_FALSE(combo->isEditable());
    ASSERT_EQ(combo->count(), row.items.size());
    for (int i = 0; i < combo->count(); ++i) {
      EXPECT_EQ(combo->itemText(i), row.items[i]);
      EXPECT_EQ(combo->itemData(i), QVariant(0)) << "the integer value of every item is 0";
    }
    EXPECT_EQ(combo->currentIndex(), row.selected);
  }
}

TEST_F(MainWindowTest, FontsOfTheControlsWithTheirOwnFont) {
  const QFont bold = Get<QLineEdit>("编辑框_n元运算")->font();
  EXPECT_TRUE(bold.bold());
  EXPECT_EQ(bold.pointSize(), 9);
  EXPECT_EQ(Get<QLabel>("标签4")->font().pointSize(), 14);
  EXPECT_EQ(Get<QLabel>("标签1")->font().pointSize(), 9);
  EXPECT_FALSE(Get<QLabel>("标签1")->font().bold());
  EXPECT_TRUE(Get<QLabel>("标签4")->wordWrap());
  EXPECT_EQ(Get<QLabel>("标签4")->alignment(), Qt::AlignLeft | Qt::AlignTop);
  EXPECT_EQ(Get<QLabel>("标签2")->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
  EXPECT_EQ(Get<QLineEdit>("编辑框_最小值")->alignment(), Qt::AlignCenter);
}

TEST_F(MainWindowTest, FocusIsTakenByInputControlsOnly) {
  for (const char* name : {"编辑框_最小值", "选择框_加", "组合框_出题数量", "按钮_出题", "超级列表框_一年级"}) {
    EXPECT_NE(window->controls().Find(QString::fromUtf8(name))->focusPolicy(), Qt::NoFocus) << name;
  }
  for (const char* name : {"标签1", "分组框1", "标签4"}) {
    EXPECT_EQ(window->controls().Find(QString::fromUtf8(name))->focusPolicy(), Qt::NoFocus) << name;
  }
  EXPECT_EQ(window->tabs()->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(window->tabs()->tabBar()->focusPolicy(), Qt::NoFocus);
}

// ------------------------------------------------------------------------------------------------
// Input rules, by typing real keys.

TEST_F(MainWindowTest, ADigitsBoxIgnoresEverythingButDigitsAndMinus) {
  auto* edit = Get<QLineEdit>("编辑框_最小值");
  edit->setFocus();
  edit->setCursorPosition(edit->text().size());
  QTest::keyClicks(edit, "a");
  EXPECT_EQ(edit->text(), "5") << "a letter leaves the text unchanged";
  QTest::keyClicks(edit, "x.+ Z");
  EXPECT_EQ(edit->text(), "5");
  QTest::keyClicks(edit, "-7");
  EXPECT_EQ(edit->text(), "5-7");
  QTest::keyClick(edit, Qt::Key_Backspace);
  EXPECT_EQ(edit->text(), "5-") << "editing keys still work";
  QTest::keyClick(edit, Qt::Key_Home);
  QTest::keyClicks(edit, "9");
  EXPECT_EQ(edit->text(), "95-");
}

TEST_F(MainWindowTest, AFreeBoxTakesAnyText) {
  auto* edit = Get<QLineEdit>("编辑框_答案范围");
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, "abc-1.5 x");
  EXPECT_EQ(edit->text(), "abc-1.5 x");
}

TEST_F(MainWindowTest, TheReadOnlyBoxCannotBeTypedInto) {
  auto* edit = Get<QLineEdit>("编辑框_n元运算");
  edit->setFocus();
  QTest::keyClicks(edit, "7a");
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClick(edit, Qt::Key_Delete);
  EXPECT_EQ(edit->text(), "4");
}

// ------------------------------------------------------------------------------------------------
// Spinners.

TEST_F(MainWindowTest, TheSpinnerStepsAndWraps) {
  auto* edit = qobject_cast<ui::EditBox*>(Get<QLineEdit>("编辑框_n元运算"));
  ASSERT_NE(edit, nullptr);
  ui::SpinnerArrows* spinner = edit->spinner();
  ASSERT_NE(spinner, nullptr);
  EXPECT_EQ(spinner->parentWidget(), edit->parentWidget());
  EXPECT_EQ(spinner->geometry().left(), edit->geometry().right() + 1);

  const QPoint up(spinner->width() / 2, 2);
  const QPoint down(spinner->width() / 2, spinner->height() - 3);
  struct Step {
    const char* before;
    bool up;
    const char* after;
  } steps[] = {
      {"4", true, "5"},  {"9", true, "2"},  {"2", false, "9"}, {"5", false, "4"},
      {"abc", true, "2"},   // 0 + 1 is below the range: a step up gives the lower bound
      {"abc", false, "9"},  // 0 - 1: a step down gives the upper bound
      {"12x", false, "9"},  // 11 is above the range: a step down gives the upper bound
      {"12x", true, "2"},   // 13: a step up gives the lower bound
      {"-3", true, "2"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(std::string(step.before) + (step.up ? " up" : " down"));
    edit->setText(step.before);
    window->controls().Find("按钮_出题")->setFocus();
    QTest::mouseClick(spinner, Qt::LeftButton, {}, step.up ? up : down);
    EXPECT_EQ(edit->text(), step.after);
    EXPECT_EQ(edit->selectedText(), edit->text()) << "the whole text is selected";
    EXPECT_TRUE(edit->hasFocus());
  }
}

// ------------------------------------------------------------------------------------------------
// The lists and their pictures.

void ExpectColumns(const ui::ListView* list, const QList<std::pair<QString, int>>& columns) {
  ASSERT_EQ(list->columnCount(), columns.size());
  for (int i = 0; i < columns.size(); ++i) {
    EXPECT_EQ(list->headerItem()->text(i), columns[i].first) << i;
    EXPECT_EQ(list->columnWidth(i), columns[i].second) << i;
  }
}

TEST_F(MainWindowTest, TheGradeOneListHasItsColumnsAndThreeRows) {
  auto* list = window->gradeOneList();
  ExpectColumns(list, {{"", 0}, {"序号", 50}, {"学期", 50}, {"题型 举个栗子", 350}, {"最近出题时间", 200}});
  ASSERT_EQ(list->topLevelItemCount(), 3);
  for (int k = 1; k <= 3; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(list->CellText(k - 1, 1), QString::number(k));
    EXPECT_EQ(list->CellText(k - 1, 2), QString::fromUtf8("上册"));
    EXPECT_EQ(list->CellText(k - 1, 3), "");
    EXPECT_EQ(list->CellText(k - 1, 4), "");
    const QPixmap picture = list->topLevelItem(k - 1)->data(3, ui::ListView::kPictureRole).value<QPixmap>();
    EXPECT_EQ(picture.size(), QSize(350, 80));
    EXPECT_EQ(picture.toImage(), QImage(list->pictureSet()[k - 1]).convertToFormat(picture.toImage().format()));
  }
  window->tabs()->setCurrentIndex(2);
  QApplication::processEvents();
  EXPECT_EQ(list->visualItemRect(list->topLevelItem(0)).height(), 80);
}

TEST_F(MainWindowTest, TheOtherListsHaveTheirColumnsAndNoRows) {
  auto* gradeTwo = Get<ui::ListView>("超级列表框_二年级");
  ExpectColumns(gradeTwo, {{"", 0}, {"序号", 50}, {"学期", 50}, {"题型", 170}, {"举个栗子", 350}});
  EXPECT_EQ(gradeTwo->topLevelItemCount(), 0);
  EXPECT_EQ(gradeTwo->pictureSet().size(), 9);
  auto* bank = Get<ui::ListView>("超级列表框1");
  ExpectColumns(bank, {{"序号", 50}, {"年级", 50}, {"题型", 150}});
  EXPECT_EQ(bank->topLevelItemCount(), 0);
  EXPECT_FALSE(bank->hasPictureSet());
}

TEST_F(MainWindowTest, EveryPictureIs350By80) {
  const QStringList sets[] = {Get<ui::ListView>("超级列表框_一年级")->pictureSet(),
                              Get<ui::ListView>("超级列表框_二年级")->pictureSet()};
  EXPECT_EQ(sets[0].size(), 4);
  for (const QStringList& set : sets) {
    for (const QString& file : set) EXPECT_EQ(QImage(file).size(), QSize(350, 80)) << file.toStdString();
  }
}

// ------------------------------------------------------------------------------------------------
// The page "关于".

class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> urls;
 public slots:
  void open(const QUrl& url) { urls << url; }
};

TEST_F(MainWindowTest, TheHyperlinkHasItsThreeColoursAndOpensItsAddress) {
  window->tabs()->setCurrentIndex(9);
  QApplication::processEvents();
  auto* link = Get<ui::HyperlinkLabel>("超级链接框1");
  EXPECT_EQ(link->url(), QUrl(kHomePage));
  EXPECT_TRUE(link->text().contains(QLatin1String(kHomePage)));
  EXPECT_TRUE(link->alignment() & Qt::AlignHCenter);
  EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor("#0000FF"));

  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(link, &enter);
  EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor("#3399FF"));

  UrlCatcher catcher;
  QDesktopServices::setUrlHandler("https", &catcher, "open");
  QTest::mouseClick(link, Qt::LeftButton);
  QDesktopServices::unsetUrlHandler("https");
  EXPECT_EQ(catcher.urls, QList<QUrl>{QUrl(kHomePage)});

  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(link, &leave);
  EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor("#800000"));
}

TEST_F(MainWindowTest, ChoosingAPageShowsIt) {
  window->tabs()->setCurrentIndex(9);
  QApplication::processEvents();
  EXPECT_TRUE(Get<QLabel>("标签4")->isVisible());
  EXPECT_TRUE(Get<QLabel>("超级链接框1")->isVisible());
  window->tabs()->setCurrentIndex(1);
  QApplication::processEvents();
  EXPECT_FALSE(Get<QLabel>("标签4")->isVisible());
  EXPECT_TRUE(window->tabs()->widget(1)->isVisible());
}

TEST_F(MainWindowTest, TheButtonOfPageZeroIsThere) {
  ASSERT_NE(window->generateButton(), nullptr);
  EXPECT_EQ(window->generateButton()->text(), QString::fromUtf8("出题"));
}

}  // namespace
}  // namespace sumwick

#include "main_window_test.moc"
