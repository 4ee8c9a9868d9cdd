#include "worksheet_actions.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "fake_printers.h"
#include "test_support.h"

namespace sumwick::test {
namespace {

class GenerateArithmeticWorksheetTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = sandbox_.Open();
    app_.runModal = [this](PrintSetupWindow& window) {
      shown_ = true;
      headerShown_ = window.grid().CellText(1, 1);
      flagDuringWindow_ = sandbox_.state.mode.arithmeticPending;
      questionsShown_ = sandbox_.state.questions.Size();
      window.show();
      window.close();
      return 0;
    };
    app_.messages = [this](PrintSetupWindow::MessageKind, const QString& text, const QString&) {
      messages_ << text;
    };
  }

  Sandbox sandbox_;
  FakePrinters printers_;
  AppContext app_{sandbox_.state, sandbox_.location(), printers_, {}, {}, {}};
  std::unique_ptr<MainWindow> window_;
  QStringList messages_;
  bool shown_ = false;
  QString headerShown_;
  bool flagDuringWindow_ = true;
  int questionsShown_ = 0;
};

TEST_F(GenerateArithmeticWorksheetTest, TheButtonShowsTheWorksheetThenEmptiesTheList) {
  ConnectMainWindowActions(*window_, app_);
  window_->generateButton()->click();
  ASSERT_TRUE(shown_) << messages_.join(u'\n').toStdString();
  EXPECT_TRUE(headerShown_.startsWith(QStringLiteral("题目数：100")));
  EXPECT_EQ(questionsShown_, 100);
  EXPECT_FALSE(flagDuringWindow_);  // the window cleared it as it laid the worksheet out
  EXPECT_FALSE(sandbox_.state.mode.arithmeticPending || sandbox_.state.mode.splitPending);
  EXPECT_TRUE(sandbox_.state.questions.IsEmpty());
  EXPECT_EQ(sandbox_.state.params.questionCount, 100);
  EXPECT_EQ(sandbox_.state.params.questionsPerColumn, 25);
  EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(GenerateArithmeticWorksheetTest, RefusedSettingsShowAMessageAndChangeNothing) {
  sandbox_.state.params = {7, 3};
  window_->control<QLineEdit>(QStringLiteral("编辑框_最小值"))->setText(QStringLiteral("30"));
  EXPECT_EQ(GenerateArithmeticWorksheet(window_.get(), app_, ReadArithmeticRequest(*window_)),
            ActionOutcome::Refused);
  window_->control<QLineEdit>(QStringLiteral("编辑框_最小值"))->setText(QStringLiteral("5"));
  window_->control<QCheckBox>(QStringLiteral("选择框_加"))->setChecked(false);
  window_->control<QCheckBox>(QStringLiteral("选择框_减"))->setChecked(false);
  EXPECT_EQ(GenerateArithmeticWorksheet(window_.get(), app_, ReadArithmeticRequest(*window_)),
            ActionOutcome::Refused);
  window_->control<QCheckBox>(QStringLiteral("选择框_加"))->setChecked(true);
  window_->control<QLineEdit>(QStringLiteral("编辑框_答案范围"))
      ->setText(QStringLiteral("99999999999"));
  EXPECT_EQ(GenerateArithmeticWorksheet(window_.get(), app_, ReadArithmeticRequest(*window_)),
            ActionOutcome::Refused);

  ASSERT_EQ(messages_.size(), 3);
  EXPECT_TRUE(messages_[0].contains(QStringLiteral("最小值")));
  EXPECT_TRUE(messages_[1].contains(QStringLiteral("运算")));
  EXPECT_TRUE(messages_[2].contains(QStringLiteral("答案范围")));
  EXPECT_FALSE(shown_);
  EXPECT_EQ(sandbox_.state.params.questionCount, 7);
  EXPECT_EQ(sandbox_.state.params.questionsPerColumn, 3);
}

TEST_F(GenerateArithmeticWorksheetTest, HopelessSettingsShowProgressThenGiveUpWithTheCount) {
  // Nine numbers joined by "÷" alone almost never divide out to a whole answer.
  ArithmeticRequest request = ReadArithmeticRequest(*window_);
  request.texts.operandCount = QStringLiteral("9");
  request.texts.add = request.texts.subtract = false;
  request.texts.divide = true;
  request.texts.minValue = QStringLiteral("1");
  request.texts.maxValue = QStringLiteral("50");
  request.texts.maxAnswer = QStringLiteral("100");
  QString progressShown;
  QTimer::singleShot(1500, [&] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      progressShown = QString::fromLatin1(modal->metaObject()->className());
    }
  });
  EXPECT_EQ(GenerateArithmeticWorksheet(window_.get(), app_, request), ActionOutcome::GaveUp);
  EXPECT_EQ(progressShown, "QProgressDialog");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);  // gone before anything else opens
  ASSERT_EQ(messages_.size(), 1);
  EXPECT_TRUE(messages_[0].contains(QStringLiteral("需要 100 道")));
  EXPECT_FALSE(shown_);
  EXPECT_TRUE(sandbox_.state.questions.IsEmpty());
}

TEST_F(GenerateArithmeticWorksheetTest, ReadsThePageAsTheWindowHoldsIt) {
  window_->control<QCheckBox>(QStringLiteral("选择框_除"))->setChecked(true);
  window_->control<QCheckBox>(QStringLiteral("选择框_排除小数减大数"))->setChecked(true);
  window_->control<QComboBox>(QStringLiteral("组合框_出题数量"))->setCurrentIndex(1);
  const ArithmeticRequest request = ReadArithmeticRequest(*window_);
  EXPECT_EQ(request.texts.operandCount, "4");
  EXPECT_TRUE(request.texts.add && request.texts.subtract && !request.texts.multiply &&
              request.texts.divide);
  EXPECT_EQ(request.texts.minValue, "5");
  EXPECT_EQ(request.texts.maxValue, "20");
  EXPECT_EQ(request.texts.maxAnswer, "1000");
  EXPECT_EQ(request.texts.questionCount, "20");
  EXPECT_EQ(request.questionsPerColumn, "25");
  EXPECT_TRUE(request.subtractionsLast);
}

}  // namespace
}  // namespace sumwick::test
