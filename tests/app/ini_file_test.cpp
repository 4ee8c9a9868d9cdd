// The GBK codec helpers, the INI reader and writer, and the atomic save.

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "platform/gbk.h"
#include "platform/ini_file.h"
#include "test_support.h"

namespace sumwick {
namespace {

using test::ReadBytes;
using test::WriteBytes;

QByteArray Gbk(const char* utf8) { return EncodeGbk(QString::fromUtf8(utf8)); }

TEST(Gbk, EncodesTheKnownBytes) {
  EXPECT_EQ(Gbk("选择框").toHex(), QByteArray("d1a1d4f1bff2"));
  EXPECT_EQ(Gbk("真").toHex(), QByteArray("d5e6"));
  EXPECT_EQ(Gbk("假").toHex(), QByteArray("bcd9"));
  // A character that GBK cannot hold becomes "?".
  EXPECT_EQ(EncodeGbk(QString::fromUtf8("a😀b")), QByteArray("a?b"));
}

TEST(Gbk, StrictDecodingRejectsBytesThatAreNotGbk) {
  struct Row {
    QByteArray bytes;
    bool readable;
  } rows[] = {
      {"plain ascii", true},
      {QByteArray::fromHex("d5e6"), true},      // 真
      {QByteArray::fromHex("80"), true},        // the euro sign of code page 936
      {QByteArray::fromHex("ff"), false},       // never a GBK byte
      {QByteArray::fromHex("3541d5"), false},   // a lead byte at the end
      {QByteArray::fromHex("d520"), false},     // a lead byte before a space
      {QByteArray::fromHex("81ff"), false},     // trail byte out of range
      {QByteArray("a\0b", 3), false},           // NUL
  };
  for (const Row& row : rows) {
    EXPECT_EQ(DecodeGbkStrict(row.bytes).has_value(), row.readable) << row.bytes.toHex().data();
  }
  EXPECT_EQ(DecodeGbkStrict(QByteArray::fromHex("d5e6")).value(), QString::fromUtf8("真"));
}

TEST(Gbk, PrefixLengthKeepsDoubleByteCharactersWhole) {
  const QByteArray text = Gbk("真假真");  // 6 bytes
  EXPECT_EQ(GbkPrefixLength(text, 10), 6);
  EXPECT_EQ(GbkPrefixLength(text, 4), 4);
  EXPECT_EQ(GbkPrefixLength(text, 3), 2);
  EXPECT_EQ(GbkPrefixLength(QByteArray("a") + text, 4), 3);
}

TEST(IniFile, ReadsValuesLikeTheProfileFunctions) {
  const QByteArray bytes = Gbk(
      "; a comment\n"
      "[Other]\n"
      "key=other\n"
      "  [ 编辑框 ]  \r\n"
      "  编辑框_最小值 =  7  \r\n"
      "Name=\"quoted\"\r\n"
      "single='q'\r\n"
      "empty=\r\n"
      "编辑框_最小值=second\r\n"
      "[编辑框]\r\n"
      "later=ignored, the first section wins\r\n");
  const IniFile ini = IniFile::FromBytes(bytes);
  EXPECT_EQ(ini.Value("编辑框", "编辑框_最小值"), "7");
  EXPECT_EQ(ini.Value("Other", "key"), "other");
  EXPECT_EQ(ini.Value("OTHER", "KEY"), "other") << "ASCII names match without case";
  EXPECT_EQ(ini.Value("编辑框", "name"), "quoted");
  EXPECT_EQ(ini.Value("编辑框", "single"), "q");
  EXPECT_EQ(ini.Value("编辑框", "empty"), "");
  EXPECT_EQ(ini.Value("编辑框", "later"), "");
  EXPECT_EQ(ini.Value("编辑框", "missing"), "");
  EXPECT_EQ(ini.Value("missing", "key"), "");
}

TEST(IniFile, ReadsAMissingFileAsEmpty) {
  QTemporaryDir dir;
  EXPECT_EQ(IniFile::Load(dir.filePath("nothing.abc")).Value("a", "b"), "");
  EXPECT_TRUE(IniFile::Load(dir.filePath("nothing.abc")).ToBytes().isEmpty());
}

TEST(IniFile, CutsAValueAt10239Bytes) {
  const QByteArray longAscii(12000, '7');
  IniFile ini = IniFile::FromBytes("[s]\r\nk=" + longAscii + "\r\nexact=" +
                                   QByteArray(10239, 'x') + "\r\n");
  EXPECT_EQ(ini.Value("s", "k"), QString(10239, QLatin1Char('7')));
  EXPECT_EQ(ini.Value("s", "exact").size(), 10239);

  // A cut that would split a double-byte character drops that character: 5119 characters are
  // 10238 bytes.
  QByteArray doubleBytes;
  for (int i = 0; i < 6000; ++i) doubleBytes += Gbk("真");
  ini = IniFile::FromBytes("[s]\r\nk=" + doubleBytes + "\r\n");
  EXPECT_EQ(ini.Value("s", "k"), QString(5119, QChar(0x771F)));
}

TEST(IniFile, AValueThatIsNotGbkReadsAsMissingAndOtherEntriesStillRead) {
  const QByteArray bytes = Gbk("[编辑框]\r\n编辑框_最小值=") + QByteArray::fromHex("ff41d5") +
                           Gbk("\r\n编辑框_最大值=30\r\n");
  const IniFile ini = IniFile::FromBytes(bytes);
  EXPECT_EQ(ini.Value("编辑框", "编辑框_最小值"), "");
  EXPECT_EQ(ini.Value("编辑框", "编辑框_最大值"), "30");
}

TEST(IniFile, WritesNewSectionsAndKeysAtTheEndAndKeepsOtherLinesByteForByte) {
  const QByteArray badLine = QByteArray("junk=") + QByteArray::fromHex("ff80fe");
  IniFile ini = IniFile::FromBytes(Gbk("[组合框]\r\n组合框_打印机=x\r\n\r\n[选择框]\r\na=真\n") +
                                   badLine + "\r\n");
  ini.SetValue("选择框", "a", "假");        // replaced in place
  ini.SetValue("组合框", "组合框_设置缩放", "1");  // end of its section, before the blank line
  ini.SetValue("编辑框", "e", "v");          // a new section at the end
  const QByteArray expected = Gbk("[组合框]\r\n组合框_打印机=x\r\n组合框_设置缩放=1\r\n\r\n[选择框]\r\na=假\r\n") +
                              badLine + Gbk("\r\n[编辑框]\r\ne=v\r\n");
  EXPECT_EQ(ini.ToBytes(), expected);
}

TEST(IniFile, KeepsAValueOnOneLine) {
  IniFile ini;
  ini.SetValue("s", "k", "a\r\nb\nc");
  EXPECT_EQ(ini.ToBytes(), QByteArray("[s]\r\nk=a  b c\r\n"));
}

TEST(AtomicSave, WritesTheWholeFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("config.abc");
  ASSERT_TRUE(WriteFileAtomically(path, "old"));
  ASSERT_TRUE(WriteFileAtomically(path, "new content"));
  EXPECT_EQ(ReadBytes(path), QByteArray("new content"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"config.abc"});
}

TEST(AtomicSave, AFailedSaveLeavesTheOldFileAsItWasAndNoTemporaryFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("config.abc");
  const QByteArray old = "[s]\r\nk=old\r\n";
  ASSERT_TRUE(WriteBytes(path, old));

  // A file-size limit makes the write fail part-way, as a full disk would.
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 64;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = WriteFileAtomically(path, QByteArray(4096, 'x'));
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_FALSE(written);
  EXPECT_EQ(ReadBytes(path), old);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"config.abc"});
}

TEST(AtomicSave, FailsWithoutAFolder) {
  QTemporaryDir dir;
  EXPECT_FALSE(WriteFileAtomically(dir.filePath("missing/config.abc"), "x"));
  EXPECT_FALSE(QFile::exists(dir.filePath("missing")));
}

}  // namespace
}  // namespace sumwick
