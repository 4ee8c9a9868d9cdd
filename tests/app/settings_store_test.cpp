// The settings store on the main window: the bytes of the file of initial values, the round trip,
// the restore rules, the exclusion list, bad bytes.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

#include "platform/gbk.h"
#include "settings/settings_store.h"
#include "test_support.h"

namespace sumwick {
namespace {

using test::ReadBytes;
using test::Sandbox;

QByteArray Gbk(const char* utf8) { return EncodeGbk(QString::fromUtf8(utf8)); }

QStringList ItemTexts(const QComboBox* combo) {
  QStringList texts;
  for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
  return texts;
}

QList<int> ItemValues(const QComboBox* combo) {
  QList<int> values;
  for (int i = 0; i < combo->count(); ++i) values << combo->itemData(i).toInt();
  return values;
}

class SettingsStoreTest : public ::testing::Test {
 protected:
  Sandbox sandbox;
};

TEST_F(SettingsStoreTest, TheFileOfInitialValuesComesOutByteForByte) {
  auto window = sandbox.Open();
  SaveWindowStates(window.get(), sandbox.configFile());
  EXPECT_EQ(ReadBytes(sandbox.configFile()), test::InitialValuesFileBytes());
}

TEST_F(SettingsStoreTest, ClosingTheWindowWritesTheFileOfInitialValues) {
  auto window = sandbox.Open();
  window->close();
  EXPECT_EQ(ReadBytes(sandbox.configFile()), test::InitialValuesFileBytes());
}

TEST_F(SettingsStoreTest, EveryStateComesBackAfterARestart) {
  {
    auto window = sandbox.Open();
    window->control<QCheckBox>("选择框_加")->setChecked(false);
    window->control<QCheckBox>("选择框_除")->setChecked(true);
    window->control<QCheckBox>("选择框_排除小数减大数")->setChecked(true);
    window->control<QLineEdit>("编辑框_最小值")->setText("12");
    window->control<QLineEdit>("编辑框_最大值")->setText("-3");
    window->control<QLineEdit>("编辑框_答案范围")->setText(QString::fromUtf8("说\"好\" <|> x"));
    window->control<QLineEdit>("编辑框_n元运算")->setText("7");
    window->control<QComboBox>("组合框_出题数量")->setCurrentIndex(2);
    window->control<QComboBox>("组合框_每列显示题目数量")->setCurrentIndex(-1);
    window->close();
  }
  auto window = sandbox.Open();
  EXPECT_FALSE(window->control<QCheckBox>("选择框_加")->isChecked());
  EXPECT_TRUE(window->control<QCheckBox>("选择框_减")->isChecked());
  EXPECT_TRUE(window->control<QCheckBox>("选择框_除")->isChecked());
  EXPECT_TRUE(window->control<QCheckBox>("选择框_排除小数减大数")->isChecked());
  EXPECT_EQ(window->control<QLineEdit>("编辑框_最小值")->text(), "12");
  EXPECT_EQ(window->control<QLineEdit>("编辑框_最大值")->text(), "-3");
  EXPECT_EQ(window->control<QLineEdit>("编辑框_答案范围")->text(), QString::fromUtf8("说\"好\" <|> x"));
  EXPECT_EQ(window->control<QLineEdit>("编辑框_n元运算")->text(), "7")
      << "read-only for the user, restored like any edit box";
  EXPECT_EQ(window->control<QComboBox>("组合框_出题数量")->currentIndex(), 2);
  EXPECT_EQ(window->control<QComboBox>("组合框_出题数量")->currentText(), "30");
  EXPECT_EQ(window->control<QComboBox>("组合框_每列显示题目数量")->currentIndex(), -1);
  EXPECT_EQ(window->control<QComboBox>("组合框_每列显示题目数量")->count(), 8);
}

TEST_F(SettingsStoreTest, EditTextsAreEncodedForTheFile) {
  EXPECT_EQ(EncodeEditText("a\r\nb"), "a><br><b");
  EXPECT_EQ(EncodeEditText(QString::fromUtf8("说\"好\"")), QString::fromUtf8("说#引号好#引号"));
  EXPECT_EQ(DecodeEditText("a><br><b"), "a\r\nb");
  EXPECT_EQ(DecodeEditText(QString::fromUtf8("说#引号好#引号")), QString::fromUtf8("说\"好\""));

  auto window = sandbox.Open();
  window->control<QLineEdit>("编辑框_答案范围")->setText(QString::fromUtf8("说\"好\""));
  SaveEditBoxes(window.get(), sandbox.configFile(), {});
  EXPECT_TRUE(ReadBytes(sandbox.configFile()).contains(Gbk("编辑框_答案范围=说#引号好#引号\r\n")));
}

TEST_F(SettingsStoreTest, ATwoLineEditTextIsStoredOnOneLineAndComesBack) {
  ASSERT_TRUE(sandbox.WriteConfig(Gbk("[编辑框]\r\n编辑框_答案范围=a><br><b\r\n")));
  auto window = sandbox.Open();
  EXPECT_EQ(window->control<QLineEdit>("编辑框_答案范围")->text(), "a\r\nb");
}

TEST_F(SettingsStoreTest, CheckBoxesAreCheckedByAnythingButFalse) {
  ASSERT_TRUE(sandbox.WriteConfig(Gbk("[选择框]\r\n选择框_乘=1\r\n选择框_除=0\r\n选择框_加=假\r\n选择框_减=\r\n")));
  auto window = sandbox.Open();
  EXPECT_TRUE(window->control<QCheckBox>("选择框_乘")->isChecked()) << "\"1\" restores as checked";
  EXPECT_TRUE(window->control<QCheckBox>("选择框_除")->isChecked()) << "\"0\" restores as checked";
  EXPECT_FALSE(window->control<QCheckBox>("选择框_加")->isChecked());
  EXPECT_TRUE(window->control<QCheckBox>("选择框_减")->isChecked()) << "empty keeps the initial value";
  EXPECT_FALSE(window->control<QCheckBox>("选择框_排除小数减大数")->isChecked());
}

TEST_F(SettingsStoreTest, AnEmptiedEditBoxShowsItsInitialValueAtTheNextOpening) {
  {
    auto window = sandbox.Open();
    window->control<QLineEdit>("编辑框_最大值")->clear();
    window->close();
  }
  EXPECT_TRUE(ReadBytes(sandbox.configFile()).contains(Gbk("\r\n编辑框_最大值=\r\n")));
  auto window = sandbox.Open();
  EXPECT_EQ(window->control<QLineEdit>("编辑框_最大值")->text(), "20");
}

TEST_F(SettingsStoreTest, AComboIndexPastTheEndSelectsTheLastItemAndBelowMinusOneNothing) {
  ASSERT_TRUE(sandbox.WriteConfig(
      Gbk("[组合框]\r\n"
          "组合框_每列显示题目数量=10<|>0<||>15<|>0<||>20<|>0<||>25<|>0<||>30<|>0<||>35<|>0<||>40<|>0<||>50<|>0<||>20<|>25\r\n"
          "组合框_出题数量=10<|>0<||>20<|>0<||>30<|>0<||>-5<|>\r\n")));
  auto window = sandbox.Open();
  const auto* perColumn = window->control<QComboBox>("组合框_每列显示题目数量");
  EXPECT_EQ(perColumn->currentIndex(), 7);
  EXPECT_EQ(perColumn->currentText(), "50");
  const auto* count = window->control<QComboBox>("组合框_出题数量");
  EXPECT_EQ(count->count(), 3);
  EXPECT_EQ(count->currentIndex(), -1);
  EXPECT_EQ(count->currentText(), "");
}

TEST_F(SettingsStoreTest, AComboEntryReplacesTheItemListWithItsValues) {
  ASSERT_TRUE(sandbox.WriteConfig(Gbk("[组合框]\r\n组合框_出题数量=五<|>5<||>无值<||><|>x<|>-7<||>1<|>ignored text\r\n")));
  auto window = sandbox.Open();
  const auto* combo = window->control<QComboBox>("组合框_出题数量");
  EXPECT_EQ(ItemTexts(combo), (QStringList{QString::fromUtf8("五"), "", ""}));
  EXPECT_EQ(ItemValues(combo), (QList<int>{5, 0, -7}));
  EXPECT_EQ(combo->currentIndex(), 1);
  // Writing it back gives the same item list.
  SaveComboBoxes(window.get(), sandbox.configFile(), {});
  EXPECT_TRUE(ReadBytes(sandbox.configFile())
                  .contains(Gbk("组合框_出题数量=五<|>5<||><|>0<||><|>-7<||>1<|>\r\n")));
}

TEST_F(SettingsStoreTest, AComboWithoutItemsIsWrittenAsItsIndexAndText) {
  auto window = sandbox.Open();
  window->control<QComboBox>("组合框_出题数量")->clear();
  SaveComboBoxes(window.get(), sandbox.configFile(), {});
  EXPECT_TRUE(ReadBytes(sandbox.configFile()).contains(Gbk("\r\n组合框_出题数量=-1<|>\r\n")));
}

TEST_F(SettingsStoreTest, LeadingNumbers) {
  EXPECT_EQ(LeadingNumber("12abc"), 12);
  EXPECT_EQ(LeadingNumber("-5"), -5);
  EXPECT_EQ(LeadingNumber("3.9"), 3);
  EXPECT_EQ(LeadingNumber("abc"), 0);
  EXPECT_EQ(LeadingNumber(""), 0);
  EXPECT_EQ(LeadingNumber("99999999999999"), 2147483647);
}

TEST_F(SettingsStoreTest, ExcludedControlsAreNotWritten) {
  auto window = sandbox.Open();
  SaveComboBoxes(window.get(), sandbox.configFile(), QString::fromUtf8("a|组合框_出题数量|b"));
  const QByteArray bytes = ReadBytes(sandbox.configFile());
  EXPECT_FALSE(bytes.contains(Gbk("组合框_出题数量=")));
  EXPECT_TRUE(bytes.contains(Gbk("组合框_每列显示题目数量=")));
  // Names match exactly: a prefix or another case excludes nothing.
  SaveCheckBoxes(window.get(), sandbox.configFile(), QString::fromUtf8("选择框_|选择框_加 "));
  EXPECT_TRUE(ReadBytes(sandbox.configFile()).contains(Gbk("选择框_加=真")));
}

TEST_F(SettingsStoreTest, ADeletedFileGivesTheInitialValuesAgain) {
  {
    auto window = sandbox.Open();
    window->control<QLineEdit>("编辑框_最小值")->setText("9");
    window->close();
  }
  ASSERT_TRUE(QFile::remove(sandbox.configFile()));
  auto window = sandbox.Open();
  EXPECT_EQ(window->control<QLineEdit>("编辑框_最小值")->text(), "5");
}

TEST_F(SettingsStoreTest, BytesThatAreNotGbkLeaveTheirControlAsItIs) {
  QByteArray bytes = Gbk("[编辑框]\r\n编辑框_最小值=") + QByteArray::fromHex("ff3781") +
                     Gbk("\r\n编辑框_最大值=33\r\n[组合框]\r\n组合框_出题数量=10<|>0<||>") +
                     QByteArray::fromHex("fffe") + Gbk("<|>0<||>1<|>x\r\n[选择框]\r\n选择框_乘=") +
                     QByteArray::fromHex("d5") + "\r\n" + QByteArray::fromHex("fefffe3d3d") + "\r\n";
  ASSERT_TRUE(sandbox.WriteConfig(bytes));
  auto window = sandbox.Open();
  EXPECT_EQ(window->control<QLineEdit>("编辑框_最小值")->text(), "5");
  EXPECT_EQ(window->control<QLineEdit>("编辑框_最大值")->text(), "33");
  EXPECT_EQ(window->control<QComboBox>("组合框_出题数量")->count(), 10);
  EXPECT_EQ(window->control<QComboBox>("组合框_出题数量")->currentIndex(), 9);
  EXPECT_FALSE(window->control<QCheckBox>("选择框_乘")->isChecked());
  // Saving replaces the unreadable entries and keeps the line it does not know byte for byte.
  window->close();
  const QByteArray saved = ReadBytes(sandbox.configFile());
  EXPECT_TRUE(saved.contains(Gbk("\r\n编辑框_最小值=5\r\n")));
  EXPECT_TRUE(saved.contains(Gbk("\r\n选择框_乘=假\r\n")));
  EXPECT_TRUE(saved.contains("\r\n" + QByteArray::fromHex("fefffe3d3d") + "\r\n"));
}

TEST_F(SettingsStoreTest, TheOtherWindowsEntriesStayAndNewKeysGoToTheEndOfTheirSection) {
  ASSERT_TRUE(sandbox.WriteConfig(Gbk("[选择框]\r\n选择框_隐藏表格线=真\r\n[组合框]\r\n组合框_打印机=0<|>PDF\r\n")));
  auto window = sandbox.Open();
  window->close();
  const QByteArray expected =
      Gbk("[选择框]\r\n选择框_隐藏表格线=真\r\n选择框_排除小数减大数=假\r\n选择框_除=假\r\n选择框_乘=假\r\n"
          "选择框_减=真\r\n选择框_加=真\r\n[组合框]\r\n组合框_打印机=0<|>PDF\r\n") +
      test::InitialValuesFileBytes().mid(test::InitialValuesFileBytes().indexOf(Gbk("组合框_每列"))) +
      Gbk("[编辑框]\r\n编辑框_最小值=5\r\n编辑框_最大值=20\r\n编辑框_答案范围=1000\r\n编辑框_n元运算=4\r\n");
  // Sections: 选择框 (old key first), 组合框 (old key, then the two new ones), then the new 编辑框.
  EXPECT_EQ(ReadBytes(sandbox.configFile()), expected);
}

TEST_F(SettingsStoreTest, ALongValueIsCutAt10239Bytes) {
  ASSERT_TRUE(sandbox.WriteConfig(Gbk("[编辑框]\r\n编辑框_答案范围=") + QByteArray(20000, '8') + "\r\n"));
  auto window = sandbox.Open();
  EXPECT_EQ(window->control<QLineEdit>("编辑框_答案范围")->text().size(), 10239);
}

TEST_F(SettingsStoreTest, AControlAddedToAWindowIsCoveredWithoutFurtherWork) {
  auto window = sandbox.Open();
  auto* extra = new QCheckBox(window.get());
  extra->setObjectName(QString::fromUtf8("选择框_新"));
  extra->setChecked(true);
  SaveCheckBoxes(window.get(), sandbox.configFile(), {});
  EXPECT_TRUE(ReadBytes(sandbox.configFile()).contains(Gbk("选择框_加=真\r\n选择框_新=真\r\n")));
}

}  // namespace
}  // namespace sumwick

namespace sumwick {
namespace {

TEST(SaveWindowStates, WritesWhatTheThreeSavesOneAfterTheOtherWrite) {
  Sandbox sandbox;
  auto window = sandbox.Open();
  window->control<QLineEdit>("编辑框_最小值")->setText("a\r\nb");
  const QByteArray earlier = Gbk("[组合框]\r\n组合框_打印机=0<|>PDF\r\n[编辑框]\r\n编辑框_页边距上=50\r\n");
  const QString exclusions = QString::fromUtf8("组合框_出题数量");

  ASSERT_TRUE(sandbox.WriteConfig(earlier));
  SaveCheckBoxes(window.get(), sandbox.configFile(), {});
  SaveEditBoxes(window.get(), sandbox.configFile(), {});
  SaveComboBoxes(window.get(), sandbox.configFile(), exclusions);
  const QByteArray threeSaves = ReadBytes(sandbox.configFile());

  ASSERT_TRUE(sandbox.WriteConfig(earlier));
  EXPECT_TRUE(SaveWindowStates(window.get(), sandbox.configFile(), exclusions));
  EXPECT_EQ(ReadBytes(sandbox.configFile()), threeSaves);
}

}  // namespace
}  // namespace sumwick
