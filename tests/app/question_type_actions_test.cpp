// From the grade-one list to a worksheet: the double-click, the two presets, number splitting, and
// the three nested windows.

#include "question_type_actions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <optional>

#include "fake_printers.h"
#include "test_support.h"
#include "ui/controls.h"

namespace sumwick::test {
namespace {

// What the print setup window was opened on.
struct Worksheet {
  std::vector<QuestionRecord> records;
  WorksheetParams params;
  bool hideAnswers = false;
  bool alignCenter = false;
  bool alignLeft = false;
  int clippedRows = 0;  // question rows lower than their text needs
  QString parentTitle;              // the window it was opened over
  QWidget* grandparent = nullptr;   // and that window's parent
};

// What the question-type window showed.
struct TypeWindowSeen {
  int gradePage = -1;
  int typePage = -1;
  QWidget* parent = nullptr;
};

class QuestionTypeActionsTest : public testing::Test {
 protected:
  void SetUp() override {
    EnsureDataFolder(sandbox_.location());
    main_ = sandbox_.Open();
    main_->tabs()->setCurrentIndex(2);  // "一年级"
    main_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main_.get()));
    ConnectGradeOneActions(*main_, app_, [this](QuestionTypeWindow& window) {
      seen_ = TypeWindowSeen{window.gradeTabs()->currentIndex(), window.typeTabs()->currentIndex(),
                             window.parentWidget()};
      window.show();
      EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
      if (act_) act_(window);
      window.close();
      return 0;
    });
  }
  void TearDown() override { main_->close(); }

  // The print setup window's opening has laid the list out; look at it, then close the window.
  int LookAtWorksheet(PrintSetupWindow& window) {
    Worksheet sheet;
    sheet.records.assign(sandbox_.state.questions.begin(), sandbox_.state.questions.end());
    sheet.params = sandbox_.state.params;
    const auto checked = [&](const char* name) {
      return window.control<QCheckBox>(QString::fromUtf8(name))->isChecked();
    };
    sheet.hideAnswers = checked("选择框_隐藏答案");
    sheet.alignCenter = checked("选择框_居中对齐");
    sheet.alignLeft = checked("选择框_左对齐");
    const ReportGrid& grid = window.grid();
    for (int row : window.geometry().questionRows) {
      const int r = row + window.geometry().headerRows;
      if (grid.RowHeight(r) < grid.GetFitRowHeight(r)) ++sheet.clippedRows;
    }
    if (QWidget* parent = window.parentWidget()) {
      sheet.parentTitle = parent->windowTitle();
      sheet.grandparent = parent->parentWidget();
    }
    sheets_.push_back(sheet);
    window.reject();  // as Esc or the close button: its closing steps empty the list
    return 0;
  }

  // Double-clicks row `row` (1 to 3) of the grade-one list as a user does; `act` runs while the
  // question-type window is open.
  void DoubleClickRow(int row, std::function<void(QuestionTypeWindow&)> act = {}) {
    act_ = std::move(act);
    ui::ListView* list = main_->gradeOneList();
    DoubleClick(list->visualItemRect(list->topLevelItem(row - 1)).center());
  }

  // A double-click at `point` of the grade-one list, routed through the main window.
  void DoubleClick(QPoint point) {
    const QWidget* viewport = main_->gradeOneList()->viewport();
    QTest::mouseDClick(main_->windowHandle(), Qt::LeftButton, {}, viewport->mapTo(main_.get(), point));
  }

  template <typename T>
  T* MainControl(const char* name) {
    return main_->control<T>(QString::fromUtf8(name));
  }

  Sandbox sandbox_;
  FakePrinters printers_;
  QStringList messages_;
  std::vector<Worksheet> sheets_;
  std::optional<TypeWindowSeen> seen_;
  std::function<void(QuestionTypeWindow&)> act_;
  AppContext app_{sandbox_.state,
                  sandbox_.location(),
                  printers_,
                  [this](PrintSetupWindow& window) { return LookAtWorksheet(window); },
                  [this](PrintSetupWindow::MessageKind, const QString& text, const QString&) {
                    messages_ << text;
                  },
                  [] { return QDateTime(QDate(2020, 9, 1), QTime(8, 0)); }};
  std::unique_ptr<MainWindow> main_;
};

// ---------------------------------------------------------------------------------------------
// The double-click

TEST_F(QuestionTypeActionsTest, ADoubleClickOpensTheRowsTypePageOverTheMainWindow) {
  for (int row = 1; row <= 3; ++row) {
    SCOPED_TRACE(row);
    seen_.reset();
    DoubleClickRow(row);
    ASSERT_TRUE(seen_.has_value());
    EXPECT_EQ(seen_->gradePage, 1);
    EXPECT_EQ(seen_->typePage, row - 1);
    EXPECT_EQ(seen_->parent, main_.get());
    const GradeSelection& grade = sandbox_.state.grade;
    EXPECT_EQ(grade.rowNumber, QString::number(row));
    EXPECT_EQ(grade.rowVolume, "上册");
    EXPECT_EQ(grade.rowImageText, "");
    EXPECT_EQ(grade.gradePage, "一年级");
  }
}

TEST_F(QuestionTypeActionsTest, NothingOpensWithoutASelectedRow) {
  ui::ListView* list = main_->gradeOneList();
  list->clearSelection();
  EXPECT_FALSE(OpenQuestionType(*main_, app_, [](QuestionTypeWindow&) { return 0; }));
  // A double-click below the last row selects nothing and opens nothing.
  const QRect last = list->visualItemRect(list->topLevelItem(2));
  DoubleClick(QPoint(last.center().x(), last.bottom() + 20));
  EXPECT_FALSE(seen_.has_value());
  EXPECT_TRUE(sandbox_.state.grade.rowNumber.isEmpty());
}

TEST_F(QuestionTypeActionsTest, ThreeModalWindowsNestAsTheProgramRunsThem) {
  // No window runner replaced: the program's own wiring and modal loops, driven by a timer that
  // acts on whichever window is modal.
  AppContext app{sandbox_.state, sandbox_.location(), printers_, {}, app_.messages, app_.clock};
  MainWindow window(sandbox_.state, sandbox_.location());
  ConnectMainWindowActions(window, app);
  window.tabs()->setCurrentIndex(2);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

  QStringList steps;
  int worksheetRows = 0;
  QTimer driver;
  QObject::connect(&driver, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* types = qobject_cast<QuestionTypeWindow*>(modal)) {
      if (steps.isEmpty()) {
        steps << "question type";
        types->control<QComboBox>(QStringLiteral("组合框_出题数量_1_1"))->setCurrentIndex(0);
        // Clicked from outside the driver's own slot, so that the driver keeps running while
        // the click's modal loop does.
        QTimer::singleShot(0, types->splitButton(), &QPushButton::click);
      } else if (steps.size() == 2) {
        steps << (sandbox_.state.questions.IsEmpty() ? "back, list empty" : "back, list not empty");
        types->close();
      }
    } else if (auto* print = qobject_cast<PrintSetupWindow*>(modal)) {
      if (steps.size() == 1) {
        steps << "print setup";
        worksheetRows = static_cast<int>(print->geometry().questionRows.size());
        print->reject();
      }
    }
  });
  driver.start(10);
  QTimer safetyNet;  // never hang the test run
  safetyNet.setSingleShot(true);
  QObject::connect(&safetyNet, &QTimer::timeout, [] {
    while (QWidget* modal = QApplication::activeModalWidget()) modal->close();
  });
  safetyNet.start(10000);
  ui::ListView* list = window.gradeOneList();
  const QPoint row = list->visualItemRect(list->topLevelItem(0)).center();
  QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {},
                     list->viewport()->mapTo(&window, row));
  driver.stop();

  EXPECT_EQ(steps, (QStringList{"question type", "print setup", "back, list empty"}));
  EXPECT_EQ(worksheetRows, 10);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(messages_.isEmpty());
  window.close();
}

// ---------------------------------------------------------------------------------------------
// The presets

struct PresetCase {
  int row;
  const char* button;
  QChar op;
  int countIndex;      // chosen on the page
  const char* count;   // the item it is
  int perColumnIndex;
  const char* perColumn;
};

class PresetTest : public QuestionTypeActionsTest,
                   public testing::WithParamInterface<PresetCase> {};

TEST_P(PresetTest, WritesThePresetAndMakesQuestionsOfItsOperatorOnly) {
  const PresetCase& c = GetParam();
  // Settings the preset must replace, and one it must leave alone.
  MainControl<QLineEdit>("编辑框_n元运算")->setText("5");
  MainControl<QCheckBox>("选择框_加")->setChecked(c.op != u'+');
  MainControl<QCheckBox>("选择框_减")->setChecked(c.op != u'-');
  MainControl<QCheckBox>("选择框_乘")->setChecked(true);
  MainControl<QCheckBox>("选择框_除")->setChecked(true);
  MainControl<QCheckBox>("选择框_排除小数减大数")->setChecked(true);

  bool stillOpen = false;
  DoubleClickRow(c.row, [&](QuestionTypeWindow& window) {
    const QString suffix = QString::fromUtf8(c.button).right(4);
    window.control<QComboBox>("组合框_出题数量" + suffix)->setCurrentIndex(c.countIndex);
    window.control<QComboBox>("组合框_每列显示题目数量" + suffix)->setCurrentIndex(c.perColumnIndex);
    QTest::mouseClick(window.control<QPushButton>(QString::fromUtf8(c.button)), Qt::LeftButton);
    stillOpen = window.isVisible();
  });

  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(MainControl<QLineEdit>("编辑框_n元运算")->text(), "2");
  EXPECT_EQ(MainControl<QCheckBox>("选择框_加")->isChecked(), c.op == u'+');
  EXPECT_EQ(MainControl<QCheckBox>("选择框_减")->isChecked(), c.op == u'-');
  EXPECT_FALSE(MainControl<QCheckBox>("选择框_乘")->isChecked());
  EXPECT_FALSE(MainControl<QCheckBox>("选择框_除")->isChecked());
  EXPECT_TRUE(MainControl<QCheckBox>("选择框_排除小数减大数")->isChecked());
  EXPECT_EQ(MainControl<QLineEdit>("编辑框_最小值")->text(), "1");
  EXPECT_EQ(MainControl<QLineEdit>("编辑框_最大值")->text(), "9");
  EXPECT_EQ(MainControl<QLineEdit>("编辑框_答案范围")->text(), "10");
  EXPECT_EQ(MainControl<QComboBox>("组合框_出题数量")->currentText(), QString::fromUtf8(c.count));
  EXPECT_EQ(MainControl<QComboBox>("组合框_每列显示题目数量")->currentText(),
            QString::fromUtf8(c.perColumn));

  ASSERT_EQ(sheets_.size(), 1u);
  const Worksheet& sheet = sheets_.front();
  const int count = QString::fromUtf8(c.count).toInt();
  EXPECT_EQ(static_cast<int>(sheet.records.size()), count);
  EXPECT_EQ(sheet.params.questionCount, count);
  EXPECT_EQ(sheet.params.questionsPerColumn, QString::fromUtf8(c.perColumn).toInt());
  const QRegularExpression form(QStringLiteral("^([1-9])([-+])([1-9])$"));
  for (const QuestionRecord& record : sheet.records) {
    const QRegularExpressionMatch m = form.match(record.expression);
    ASSERT_TRUE(m.hasMatch()) << record.expression.toStdString();
    const int a = m.captured(1).toInt();
    const int b = m.captured(3).toInt();
    EXPECT_EQ(m.captured(2), QString(c.op));
    EXPECT_NE(a, b);
    const int answer = c.op == u'+' ? a + b : a - b;
    EXPECT_EQ(record.answer, QString::number(answer));
    EXPECT_GE(answer, c.op == u'+' ? 3 : 1);
    EXPECT_LE(answer, c.op == u'+' ? 10 : 8);
  }
  // Three windows nested: the worksheet over the question-type window over the main window.
  EXPECT_EQ(sheet.parentTitle, "题型设置");
  EXPECT_EQ(sheet.grandparent, main_.get());
  EXPECT_TRUE(sandbox_.state.questions.IsEmpty());
  EXPECT_FALSE(sandbox_.state.mode.arithmeticPending);
  EXPECT_TRUE(messages_.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    GradeOne, PresetTest,
    testing::Values(PresetCase{2, "按钮_出题_1_2", u'+', 2, "30", 2, "20"},
                    PresetCase{3, "按钮_出题_1_3", u'-', 9, "100", 7, "50"},
                    PresetCase{3, "按钮_出题_1_3", u'-', 0, "10", 0, "10"}));

// ---------------------------------------------------------------------------------------------
// Number splitting

// One three-line block, read back; a blank number is nullopt.
struct SplitBlock {
  std::optional<int> whole, left, right;
};

std::optional<SplitBlock> ReadBlock(const QString& prompt) {
  static const QRegularExpression form(QStringLiteral(
      "^(\\d+|\\(    \\))\r\n↙ ↘\r\n(\\d+|\\(    \\))   (\\d+|\\(    \\))$"));
  const QRegularExpressionMatch m = form.match(prompt);
  if (!m.hasMatch()) return std::nullopt;
  const auto number = [&](int k) -> std::optional<int> {
    const QString text = m.captured(k);
    if (text == QStringLiteral("(    )")) return std::nullopt;
    return text.toInt();
  };
  return SplitBlock{number(1), number(2), number(3)};
}

// Checks that `record` is a sound split question of wholes from 2 to `range`; returns its block.
SplitBlock CheckSplitRecord(const QuestionRecord& record, int range) {
  EXPECT_TRUE(record.expression.isEmpty());
  EXPECT_TRUE(record.answer.isEmpty());
  EXPECT_TRUE(record.fullText.isEmpty());
  const std::optional<SplitBlock> block = ReadBlock(record.prompt);
  EXPECT_TRUE(block.has_value()) << record.prompt.toStdString();
  if (!block) return {};
  const int blanks = !block->whole + !block->left + !block->right;
  EXPECT_EQ(blanks, 1) << record.prompt.toStdString();
  if (blanks != 1) return *block;
  const int whole = block->whole ? *block->whole : *block->left + *block->right;
  const int left = block->left ? *block->left : whole - *block->right;
  const int right = block->right ? *block->right : whole - *block->left;
  EXPECT_GE(whole, 2);
  EXPECT_LE(whole, range);
  EXPECT_GE(left, 1);
  EXPECT_GE(right, 1);
  EXPECT_EQ(left + right, whole);
  return *block;
}

class SplitTest : public QuestionTypeActionsTest {
 protected:
  // Opens the number-split page, sets it as given and presses its "出题".
  void Generate(const char* range, const char* modeButton = "单选框_左下右下随机",
                int countIndex = 9, int perColumnIndex = 0) {
    DoubleClickRow(1, [&](QuestionTypeWindow& window) {
      QTest::mouseClick(window.control<QRadioButton>(QString::fromUtf8(modeButton)),
                        Qt::LeftButton, {}, QPoint(6, 12));
      auto* box = window.control<QLineEdit>(QStringLiteral("编辑框_分成范围_1_1"));
      box->selectAll();
      QTest::keyClick(box, Qt::Key_Delete);
      QTest::keyClicks(box, range);
      window.control<QComboBox>(QStringLiteral("组合框_出题数量_1_1"))->setCurrentIndex(countIndex);
      window.control<QComboBox>(QStringLiteral("组合框_每列显示题目数量_1_1"))
          ->setCurrentIndex(perColumnIndex);
      QTest::mouseClick(window.splitButton(), Qt::LeftButton);
      stillOpenAfterwards_ = window.isVisible();
    });
  }
  bool stillOpenAfterwards_ = false;
};

struct ModeCase {
  const char* button;
  // Which positions the blank may take, and which it must take at least once in 100 questions.
  bool whole, left, right;
};

class SplitModeTest : public SplitTest, public testing::WithParamInterface<ModeCase> {};

TEST_P(SplitModeTest, BlanksThePositionsOfTheMode) {
  const ModeCase& c = GetParam();
  Generate("10", c.button);
  ASSERT_EQ(sheets_.size(), 1u);
  const Worksheet& sheet = sheets_.front();
  ASSERT_EQ(sheet.records.size(), 100u);
  bool seenWhole = false, seenLeft = false, seenRight = false;
  for (const QuestionRecord& record : sheet.records) {
    const SplitBlock block = CheckSplitRecord(record, 10);
    seenWhole |= !block.whole;
    seenLeft |= !block.left;
    seenRight |= !block.right;
  }
  EXPECT_EQ(seenWhole, c.whole);
  EXPECT_EQ(seenLeft, c.left);
  EXPECT_EQ(seenRight, c.right);
}

INSTANTIATE_TEST_SUITE_P(
    FiveModes, SplitModeTest,
    testing::Values(ModeCase{"单选框_左下", false, true, false},
                    ModeCase{"单选框_右下", false, false, true},
                    ModeCase{"单选框_上", true, false, false},
                    ModeCase{"单选框_左下右下随机", false, true, true},
                    ModeCase{"单选框_上左下右下随机", true, true, true}));

TEST_F(SplitTest, OpensANumberSplitWorksheetAndLeavesTheWindowOpen) {
  Generate("10", "单选框_左下右下随机", /*count "10"*/ 0, /*per column "10"*/ 0);
  ASSERT_EQ(sheets_.size(), 1u);
  const Worksheet& sheet = sheets_.front();
  EXPECT_EQ(sheet.records.size(), 10u);
  EXPECT_EQ(sheet.params.questionCount, 10);
  EXPECT_EQ(sheet.params.questionsPerColumn, 10);
  // The number-split opening forces its options, and its rows are as tall as the three lines
  // of a block need, whatever row height the options hold.
  EXPECT_TRUE(sheet.hideAnswers);
  EXPECT_TRUE(sheet.alignCenter);
  EXPECT_FALSE(sheet.alignLeft);
  EXPECT_EQ(sheet.clippedRows, 0);
  EXPECT_EQ(sheet.parentTitle, "题型设置");
  EXPECT_EQ(sheet.grandparent, main_.get());
  // After the worksheet has closed: the question-type window is still open, the list empty.
  EXPECT_TRUE(stillOpenAfterwards_);
  EXPECT_TRUE(sandbox_.state.questions.IsEmpty());
  EXPECT_FALSE(sandbox_.state.mode.splitPending);
  EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(SplitTest, SmallRangesFromTwoUpWork) {
  // The spinner stops at 5, but typed ranges of 2 to 4 make questions as any other.
  Generate("2", "单选框_左下");
  ASSERT_EQ(sheets_.size(), 1u);
  for (const QuestionRecord& record : sheets_.back().records) {
    EXPECT_EQ(record.prompt, QStringLiteral("2\r\n↙ ↘\r\n(    )   1"));
  }
  for (const char* range : {"3", "4"}) {
    Generate(range, "单选框_上左下右下随机");
    ASSERT_FALSE(sheets_.empty());
    EXPECT_EQ(sheets_.back().records.size(), 100u);
    for (const QuestionRecord& record : sheets_.back().records) {
      CheckSplitRecord(record, QString::fromUtf8(range).toInt());
    }
  }
  EXPECT_EQ(sheets_.size(), 3u);
  EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(SplitTest, ARangeThatCannotSplitIsRefusedWithAMessage) {
  for (const char* range : {"1", "0", "-3", "", "99999999999"}) {
    SCOPED_TRACE(range);
    messages_.clear();
    sandbox_.state.params = {7, 7};
    bool stillOpen = false;
    DoubleClickRow(1, [&](QuestionTypeWindow& window) {
      auto* box = window.control<QLineEdit>(QStringLiteral("编辑框_分成范围_1_1"));
      box->clear();
      QTest::keyClicks(box, range);
      QTest::mouseClick(window.splitButton(), Qt::LeftButton);
      stillOpen = window.isVisible();
    });
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_.front().contains("分成范围")) << messages_.front().toStdString();
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(sheets_.empty());
    EXPECT_TRUE(sandbox_.state.questions.IsEmpty());
    EXPECT_EQ(sandbox_.state.params.questionCount, 7);
    EXPECT_EQ(sandbox_.state.params.questionsPerColumn, 7);
    EXPECT_FALSE(sandbox_.state.mode.splitPending);
  }
}

}  // namespace
}  // namespace sumwick::test
