#include "print_setup_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "fake_printers.h"
#include "test_support.h"
#include "worksheet_header.h"

namespace sumwick::test {
namespace {

struct Message {
  PrintSetupWindow::MessageKind kind;
  QString text;
};

QuestionList Questions(int count) {
  QuestionList list;
  for (int k = 1; k <= count; ++k) {
    const QString prompt = QStringLiteral("%1+%2=").arg(k).arg(k + 1);
    const QString answer = QString::number(2 * k + 1);
    list.Append({prompt.chopped(1), prompt, answer, prompt + answer});
  }
  return list;
}

// The first cell of a question: its prompt column, its row below the header.
std::pair<int, int> FirstQuestionCell(const PrintSetupWindow& window) {
  const WorksheetGeometry& g = window.geometry();
  return {g.questionColumns.front(), g.questionRows.front() + g.headerRows};
}

const QDateTime kPrintTime(QDate(2019, 11, 9), QTime(14, 5, 9));

class PrintSetupWindowTest : public testing::Test {
 protected:
  std::unique_ptr<PrintSetupWindow> Open(bool split = false, int count = 40, int perColumn = 10) {
    sandbox_.state.questions = Questions(count);
    sandbox_.state.params = {count, perColumn};
    (split ? sandbox_.state.mode.splitPending : sandbox_.state.mode.arithmeticPending) = true;
    EnsureDataFolder(sandbox_.location());
    return std::make_unique<PrintSetupWindow>(
        sandbox_.state, sandbox_.location(), printers_, nullptr, [] { return kPrintTime; },
        [this](PrintSetupWindow::MessageKind kind, const QString& text, const QString&) {
          messages_.append({kind, text});
        });
  }

  Sandbox sandbox_;
  FakePrinters printers_;
  QList<Message> messages_;
};

TEST_F(PrintSetupWindowTest, OpensWithTheWorksheetAndItsHeader) {
  auto window = Open();
  EXPECT_FALSE(sandbox_.state.mode.arithmeticPending);
  EXPECT_EQ(window->windowTitle(), "打印设置");
  const ReportGrid& grid = window->grid();
  EXPECT_EQ(grid.CellText(1, 1), WorksheetHeaderLine(40, kPrintTime));
  const auto [column, row] = FirstQuestionCell(*window);
  EXPECT_EQ(grid.CellText(column, row), "1+2=");
  EXPECT_TRUE(grid.Landscape());
  EXPECT_EQ(grid.GetPrintPageCount(), 1);  // the fit search has chosen a scale
  EXPECT_TRUE(messages_.isEmpty());
}

struct CheckBoxCase {
  const char* name;
  std::function<bool(const PrintSetupWindow&)> applied;  // true when the option shows on the grid
};

class OptionHandlerTest : public PrintSetupWindowTest,
                          public testing::WithParamInterface<CheckBoxCase> {};

TEST_P(OptionHandlerTest, ActsAtOnceOnTheGridAndBack) {
  auto window = Open();
  auto* box = window->control<QCheckBox>(QString::fromUtf8(GetParam().name));
  ASSERT_NE(box, nullptr);
  EXPECT_FALSE(GetParam().applied(*window));
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
  ASSERT_TRUE(box->isChecked());
  EXPECT_TRUE(GetParam().applied(*window));
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
  EXPECT_FALSE(GetParam().applied(*window));
}

bool AllHidden(const ReportGrid& grid, const std::vector<int>& columns) {
  for (int c : columns) {
    if (!grid.IsColumnHidden(c)) return false;
  }
  return !columns.empty();
}

INSTANTIATE_TEST_SUITE_P(
    CheckBoxes, OptionHandlerTest,
    testing::Values(CheckBoxCase{"选择框_隐藏答案",
                                 [](const PrintSetupWindow& w) {
                                   return AllHidden(w.grid(), w.geometry().answerColumns);
                                 }},
                    CheckBoxCase{"选择框_隐藏序号",
                                 [](const PrintSetupWindow& w) {
                                   return AllHidden(w.grid(), w.geometry().serialColumns);
                                 }},
                    CheckBoxCase{
                        "选择框_隐藏表格线",
                        [](const PrintSetupWindow& w) { return !w.grid().GridLinesShown(); }},
                    CheckBoxCase{"选择框_题目字体加粗",
                                 [](const PrintSetupWindow& w) {
                                   const auto [c, r] = FirstQuestionCell(w);
                                   return w.grid().CellAt(c, r)->fontStyle != 0;
                                 }},
                    CheckBoxCase{"选择框_居中对齐",
                                 [](const PrintSetupWindow& w) {
                                   const auto [c, r] = FirstQuestionCell(w);
                                   return w.grid().CellAt(c, r)->alignment == kAlignCentre;
                                 }}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST_F(PrintSetupWindowTest, LeftAlignmentWinsWhenBothAreChecked) {
  auto window = Open();
  window->control<QCheckBox>(QStringLiteral("选择框_居中对齐"))->click();
  window->control<QCheckBox>(QStringLiteral("选择框_左对齐"))->click();
  const auto [c, r] = FirstQuestionCell(*window);
  EXPECT_EQ(window->grid().CellAt(c, r)->alignment, kAlignLeft);
}

TEST_F(PrintSetupWindowTest, FontSizeAndRowHeightReachQuestionsOnly) {
  auto window = Open();
  auto* size = window->control<QComboBox>(QStringLiteral("组合框_自定义字号"));
  QTest::keyClick(size, Qt::Key_Down);  // "12"
  const double headerHeight = window->grid().RowHeight(1);
  auto* height = window->control<QComboBox>(QStringLiteral("组合框_设置行高"));
  QTest::keyClick(height, Qt::Key_Down);  // "25"

  const auto [c, r] = FirstQuestionCell(*window);
  EXPECT_EQ(window->grid().CellAt(c, r)->fontSize, 12.0f);
  for (int row : window->geometry().questionRows)
    EXPECT_EQ(window->grid().RowHeight(row + 1), 25.0);
  EXPECT_EQ(window->grid().RowHeight(1), headerHeight);
}

TEST_F(PrintSetupWindowTest, SplitOpeningForcesItsOptionsAndSavesThem) {
  {
    auto window = Open(/*split=*/true);
    EXPECT_FALSE(sandbox_.state.mode.splitPending);
    EXPECT_TRUE(window->control<QCheckBox>(QStringLiteral("选择框_隐藏答案"))->isChecked());
    EXPECT_TRUE(window->control<QCheckBox>(QStringLiteral("选择框_居中对齐"))->isChecked());
    EXPECT_FALSE(window->control<QCheckBox>(QStringLiteral("选择框_左对齐"))->isChecked());
    window->show();
    window->close();
  }
  const QString saved = QStringDecoder("GBK").decode(ReadBytes(sandbox_.configFile()));
  EXPECT_TRUE(saved.contains(QStringLiteral("选择框_隐藏答案=真")));
  EXPECT_TRUE(saved.contains(QStringLiteral("选择框_居中对齐=真")));
  EXPECT_FALSE(saved.contains(QStringLiteral("组合框_打印机")));  // the printer box is never saved

  auto reopened = Open();  // an arithmetic worksheet now opens with those options
  EXPECT_TRUE(reopened->control<QCheckBox>(QStringLiteral("选择框_隐藏答案"))->isChecked());
}

TEST_F(PrintSetupWindowTest, ClosingEmptiesTheQuestionList) {
  auto window = Open();
  window->show();
  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_TRUE(sandbox_.state.questions.IsEmpty());
  EXPECT_FALSE(window->isVisible());
}

TEST_F(PrintSetupWindowTest, PrinterListSelectsTheDefaultAndTheButtonSetsIt) {
  printers_.names = {"甲", "乙", "甲"};
  printers_.defaultName = "甲";
  auto window = Open();
  auto* box = window->control<QComboBox>(QStringLiteral("组合框_打印机"));
  EXPECT_EQ(box->count(), 3);
  EXPECT_EQ(box->currentIndex(), 2);  // the later of two matches stays selected

  box->setCurrentIndex(1);
  EXPECT_TRUE(printers_.defaultsSet.isEmpty());  // choosing alone changes nothing
  window->control<QPushButton>(QStringLiteral("按钮_默认打印机设置"))->click();
  EXPECT_EQ(printers_.defaultName, "乙");
  ASSERT_EQ(messages_.size(), 1);
  EXPECT_EQ(messages_[0].text, "默认打印机设置成功！");

  printers_.names = {"甲"};  // 乙 has vanished meanwhile
  window->control<QPushButton>(QStringLiteral("按钮_默认打印机设置"))->click();
  ASSERT_EQ(messages_.size(), 2);
  EXPECT_EQ(messages_[1].kind, PrintSetupWindow::MessageKind::Error);
  EXPECT_EQ(messages_[1].text, "默认打印机设置失败！");
  EXPECT_EQ(printers_.defaultName, "乙");
}

TEST_F(PrintSetupWindowTest, DirectPrintSendsThePagesWithCopiesAndThePrintTimeName) {
  auto window = Open();
  window->control<QLineEdit>(QStringLiteral("编辑框_打印数量"))->setText(QStringLiteral("3"));
  window->control<QPushButton>(QStringLiteral("按钮_打印"))->click();
  ASSERT_EQ(printers_.jobs.size(), 1)
      << (messages_.isEmpty() ? "" : messages_[0].text.toStdString());
  const auto& job = printers_.jobs[0];
  EXPECT_EQ(job.job.printer, "PDF");
  EXPECT_EQ(job.job.copies, 3);
  EXPECT_EQ(job.job.title, "2019119_1459");

  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"), {job.pdf, QStringLiteral("-")});
  ASSERT_TRUE(pdftotext.waitForFinished());
  const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
  EXPECT_TRUE(text.contains(QStringLiteral("题目数")));
  for (int k = 1; k <= 40; ++k)
    EXPECT_TRUE(text.contains(QStringLiteral("%1+%2=").arg(k).arg(k + 1))) << k;
}

TEST_F(PrintSetupWindowTest, DirectPrintReportsEveryFailure) {
  auto window = Open();
  auto* copies = window->control<QLineEdit>(QStringLiteral("编辑框_打印数量"));
  auto* print = window->control<QPushButton>(QStringLiteral("按钮_打印"));

  copies->setText(QStringLiteral("0"));  // refused rather than printed as one
  print->click();
  copies->setText(QStringLiteral("1"));
  printers_.refusal = QStringLiteral("打印机已停止");
  print->click();
  printers_.names.clear();
  print->click();

  EXPECT_TRUE(printers_.jobs.isEmpty());
  ASSERT_EQ(messages_.size(), 3);
  EXPECT_TRUE(messages_[0].text.contains(QStringLiteral("打印数量")));
  EXPECT_EQ(messages_[1].kind, PrintSetupWindow::MessageKind::Error);
  EXPECT_EQ(messages_[2].text, NoPrinterMessage());
}

TEST_F(PrintSetupWindowTest, PreviewAppliesThePrintOptionsAndShowsThePages) {
  auto window = Open();
  window->control<QCheckBox>(QStringLiteral("选择框_寻找最佳打印缩放比例"))->setChecked(false);
  window->control<QComboBox>(QStringLiteral("组合框_设置缩放"))->setCurrentIndex(1);  // "30"
  window->control<QLineEdit>(QStringLiteral("编辑框_页边距上"))->setText(QStringLiteral("80"));
  QString shown;
  QTimer::singleShot(0, [&] {
    if (QWidget* dialog = QApplication::activeModalWidget()) {
      shown = QString::fromLatin1(dialog->metaObject()->className());
      dialog->close();
    }
  });
  window->Preview();
  EXPECT_EQ(shown, "QPrintPreviewDialog");
  EXPECT_DOUBLE_EQ(window->grid().PrintScale(), 0.3);
  EXPECT_EQ(window->grid().PrintMargins().top, 80);
}

}  // namespace
}  // namespace sumwick::test
