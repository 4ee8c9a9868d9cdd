// Start-up and closing: the data folder, where the settings live (beside the program, or per user
// for an installed program), the opening and closing steps, Esc.

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/paths.h"
#include "test_support.h"
#include "ui/controls.h"

namespace sumwick {
namespace {

using test::ReadBytes;
using test::Sandbox;
using test::WriteBytes;

TEST(IsExistingFolder, IsTrueForADirectoryOnly) {
  QTemporaryDir dir;
  EXPECT_TRUE(IsExistingFolder(dir.path()));
  EXPECT_FALSE(IsExistingFolder(dir.filePath("missing")));
  ASSERT_TRUE(WriteBytes(dir.filePath("file"), "x"));
  EXPECT_FALSE(IsExistingFolder(dir.filePath("file")));
}

TEST(SettingsLocation, IsTheDataFolderBesideTheProgramWhereThatCanBeWritten) {
  QTemporaryDir dir;
  const SettingsLocation location = ResolveSettingsLocation(dir.path(), "/user/config");
  EXPECT_EQ(location.dataFolder, dir.filePath("data"));
  EXPECT_EQ(location.configFile, dir.filePath("data/config.abc"));
  EXPECT_FALSE(location.perUser);
}

TEST(SettingsLocation, IsThePerUserFolderWhereTheProgramsFolderCannotBeWritten) {
  QTemporaryDir dir;
  auto readOnly = [&dir](const QString& folder) { return !folder.startsWith(dir.path()); };
  SettingsLocation location = ResolveSettingsLocation(dir.path(), "/user/config", readOnly);
  EXPECT_EQ(location.configFile, "/user/config/config.abc");
  EXPECT_TRUE(location.perUser);

  // An existing data folder that cannot be written sends the settings to the per-user folder too;
  // one that can be written is used even in a read-only program folder.
  ASSERT_TRUE(QDir(dir.path()).mkdir("data"));
  location = ResolveSettingsLocation(dir.path(), "/user/config", readOnly);
  EXPECT_TRUE(location.perUser);
  auto onlyDataWritable = [&dir](const QString& folder) { return folder == dir.filePath("data"); };
  location = ResolveSettingsLocation(dir.path(), "/user/config", onlyDataWritable);
  EXPECT_EQ(location.configFile, dir.filePath("data/config.abc"));
}

TEST(SettingsLocation, AReadOnlyProgramFolderOnDisk) {
  if (geteuid() == 0) GTEST_SKIP() << "root can write every folder";
  QTemporaryDir dir;
  QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
  const SettingsLocation location = ResolveSettingsLocation(dir.path(), "/user/config");
  QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_TRUE(location.perUser);
}

TEST(Startup, AnInstalledProgramKeepsItsSettingsInThePerUserFolder) {
  QTemporaryDir program;
  QTemporaryDir home;
  const QString userFolder = home.filePath(".config/sumwick");
  auto readOnlyProgram = [&program](const QString& folder) { return !folder.startsWith(program.path()); };
  const SettingsLocation location = ResolveSettingsLocation(program.path(), userFolder, readOnlyProgram);
  ProgramState state;
  {
    MainWindow window(state, location);
    EXPECT_TRUE(IsExistingFolder(userFolder)) << "made with its parents";
    EXPECT_FALSE(QFile::exists(program.filePath("data")));
    window.control<QLineEdit>("编辑框_最小值")->setText("8");
    window.close();
  }
  EXPECT_EQ(ReadBytes(userFolder + "/config.abc").size() > 0, true);
  MainWindow again(state, location);
  EXPECT_EQ(again.control<QLineEdit>("编辑框_最小值")->text(), "8");
}

TEST(Startup, FirstStartMakesTheDataFolderAndClosingWritesTheFile) {
  Sandbox sandbox;
  ASSERT_FALSE(QFile::exists(sandbox.dir.filePath("data")));
  auto window = sandbox.Open();
  EXPECT_TRUE(IsExistingFolder(sandbox.dir.filePath("data")));
  EXPECT_FALSE(QFile::exists(sandbox.configFile())) << "the file is made by the first save";
  EXPECT_EQ(window->control<QLineEdit>("编辑框_最小值")->text(), "5");
  window->close();
  EXPECT_EQ(ReadBytes(sandbox.configFile()), test::InitialValuesFileBytes());
}

TEST(Startup, ASavedConfigurationOpensWithItsStatesAndTheThreeRows) {
  Sandbox sandbox;
  {
    auto window = sandbox.Open();
    window->control<QComboBox>("组合框_出题数量")->setCurrentIndex(0);
    window->close();
  }
  auto window = sandbox.Open();
  EXPECT_EQ(window->control<QComboBox>("组合框_出题数量")->currentText(), "10");
  EXPECT_EQ(window->gradeOneList()->topLevelItemCount(), 3);
}

TEST(Startup, AFileNamedDataGivesInitialValuesAndNothingIsSaved) {
  Sandbox sandbox;
  ASSERT_TRUE(WriteBytes(sandbox.dir.filePath("data"), "not a folder"));
  auto window = sandbox.Open();
  EXPECT_EQ(window->control<QLineEdit>("编辑框_最大值")->text(), "20");
  window->control<QLineEdit>("编辑框_最大值")->setText("99");
  window->close();
  EXPECT_EQ(window->closingStepsRun(), 1);
  EXPECT_EQ(ReadBytes(sandbox.dir.filePath("data")), QByteArray("not a folder"));
  EXPECT_EQ(QDir(sandbox.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList{"data"});
}

TEST(Startup, TheClosingStepsRunOnce) {
  Sandbox sandbox;
  auto window = sandbox.Open();
  window->show();
  window->close();
  window->control<QLineEdit>("编辑框_最小值")->setText("77");
  window->close();
  EXPECT_EQ(window->closingStepsRun(), 1);
  EXPECT_EQ(ReadBytes(sandbox.configFile()), test::InitialValuesFileBytes());
}

// Esc and the close button save exactly the same file, with the focus on any kind of control.
QByteArray CloseAfterChanges(bool withEsc, const char* focusName) {
  Sandbox sandbox;
  auto window = sandbox.Open();
  window->show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  window->control<QCheckBox>("选择框_乘")->setChecked(true);
  window->control<QLineEdit>("编辑框_答案范围")->setText("500");
  window->control<QComboBox>("组合框_每列显示题目数量")->setCurrentIndex(0);
  QWidget* focus = window->controls().Find(QString::fromUtf8(focusName));
  if (QString::fromUtf8(focusName) == QString::fromUtf8("超级列表框_一年级")) window->tabs()->setCurrentIndex(2);
  focus->setFocus();
  if (withEsc) {
    QTest::keyClick(focus, Qt::Key_Escape);
  } else {
    window->close();  // what the close button, the system menu and Alt+F4 do
  }
  EXPECT_FALSE(window->isVisible()) << focusName;
  EXPECT_EQ(window->closingStepsRun(), 1) << focusName;
  return ReadBytes(sandbox.configFile());
}

TEST(Startup, EscClosesAndSavesExactlyAsTheCloseButton) {
  const QByteArray byButton = CloseAfterChanges(false, "编辑框_最小值");
  ASSERT_FALSE(byButton.isEmpty());
  for (const char* focus : {"编辑框_最小值", "编辑框_n元运算", "选择框_加", "组合框_出题数量", "按钮_出题",
                            "超级列表框_一年级"}) {
    EXPECT_EQ(CloseAfterChanges(true, focus), byButton) << focus;
  }
}

}  // namespace
}  // namespace sumwick
