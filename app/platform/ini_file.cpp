#include "ini_file.h"

#include <QFile>
#include <QSaveFile>

#include "gbk.h"

namespace sumwick {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

QByteArray TrimBlanks(const QByteArray& bytes) {
  qsizetype begin = 0;
  qsizetype end = bytes.size();
  while (begin < end && IsBlank(bytes[begin])) ++begin;
  while (end > begin && IsBlank(bytes[end - 1])) --end;
  return bytes.mid(begin, end - begin);
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Compares two GBK names, ASCII letters without case. Trail bytes of double-byte characters can
// be ASCII letters, so the walk keeps double-byte characters whole.
bool NamesEqual(const QByteArray& a, const QByteArray& b) {
  if (a.size() != b.size()) return false;
  for (qsizetype i = 0; i < a.size(); ++i) {
    const auto byte = static_cast<unsigned char>(a[i]);
    if (byte >= 0x81 && byte <= 0xFE && i + 1 < a.size()) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
      ++i;
      continue;
    }
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

// True for a section header line "[name]", with the name in *name.
bool ParseHeader(const QByteArray& line, QByteArray* name) {
  const QByteArray trimmed = TrimBlanks(line);
  if (!trimmed.startsWith('[')) return false;
  const qsizetype close = trimmed.indexOf(']');
  *name = TrimBlanks(close < 0 ? trimmed.mid(1) : trimmed.mid(1, close - 1));
  return true;
}

// True for an entry line "key=value" (a line without "=" is a key with an empty value).
bool ParseEntry(const QByteArray& line, QByteArray* key, QByteArray* value) {
  const QByteArray trimmed = TrimBlanks(line);
  if (trimmed.isEmpty() || trimmed.startsWith(';') || trimmed.startsWith('[')) return false;
  const qsizetype eq = trimmed.indexOf('=');
  if (eq < 0) {
    *key = trimmed;
    value->clear();
    return true;
  }
  *key = TrimBlanks(trimmed.left(eq));
  *value = TrimBlanks(trimmed.mid(eq + 1));
  return true;
}

QByteArray SingleLine(QByteArray bytes) {
  bytes.replace('\r', ' ');
  bytes.replace('\n', ' ');
  return bytes;
}

}  // namespace

IniFile IniFile::Load(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return IniFile();
  return FromBytes(file.readAll());
}

IniFile IniFile::FromBytes(const QByteArray& bytes) {
  IniFile ini;
  if (bytes.isEmpty()) return ini;
  ini.lines_ = bytes.split('\n');
  if (bytes.endsWith('\n')) ini.lines_.removeLast();
  for (QByteArray& line : ini.lines_) {
    if (line.endsWith('\r')) line.chop(1);
  }
  return ini;
}

qsizetype IniFile::FindSection(const QByteArray& section) const {
  QByteArray name;
  for (qsizetype i = 0; i < lines_.size(); ++i) {
    if (ParseHeader(lines_[i], &name) && NamesEqual(name, section)) return i;
  }
  return -1;
}

qsizetype IniFile::SectionEnd(qsizetype header) const {
  QByteArray name;
  qsizetype i = header + 1;
  while (i < lines_.size() && !ParseHeader(lines_[i], &name)) ++i;
  return i;
}

qsizetype IniFile::FindKey(qsizetype header, const QByteArray& key) const {
  const qsizetype end = SectionEnd(header);
  QByteArray name;
  QByteArray value;
  for (qsizetype i = header + 1; i < end; ++i) {
    if (ParseEntry(lines_[i], &name, &value) && NamesEqual(name, key)) return i;
  }
  return -1;
}

QString IniFile::Value(const QString& section, const QString& key) const {
  const qsizetype header = FindSection(EncodeGbk(section));
  if (header < 0) return {};
  const qsizetype line = FindKey(header, EncodeGbk(key));
  if (line < 0) return {};
  QByteArray name;
  QByteArray value;
  ParseEntry(lines_[line], &name, &value);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.mid(1, value.size() - 2);
  }
  value.truncate(GbkPrefixLength(value, kMaxValueBytes));
  return DecodeGbkStrict(value).value_or(QString());
}

void IniFile::SetValue(const QString& section, const QString& key, const QString& value) {
  const QByteArray sectionBytes = SingleLine(EncodeGbk(section));
  const QByteArray keyBytes = SingleLine(EncodeGbk(key));
  const QByteArray line = keyBytes + '=' + SingleLine(EncodeGbk(value));
  const qsizetype header = FindSection(sectionBytes);
  if (header < 0) {
    lines_.append('[' + sectionBytes + ']');
    lines_.append(line);
    return;
  }
  const qsizetype existing = FindKey(header, keyBytes);
  if (existing >= 0) {
    lines_[existing] = line;
    return;
  }
  // After the last non-blank line of the section.
  qsizetype insertAt = SectionEnd(header);
  while (insertAt > header + 1 && TrimBlanks(lines_[insertAt - 1]).isEmpty()) --insertAt;
  lines_.insert(insertAt, line);
}

QByteArray IniFile::ToBytes() const {
  QByteArray bytes;
  for (const QByteArray& line : lines_) {
    bytes += line;
    bytes += "\r\n";
  }
  return bytes;
}

bool IniFile::Save(const QString& path) const { return WriteFileAtomically(path, ToBytes()); }

bool WriteFileAtomically(const QString& path, const QByteArray& bytes) {
  // Unbuffered, and the result of every write checked before the commit: Qt 6.4's
  // QSaveFile::commit() does not notice a buffered write that fails when it is flushed (a full
  // disk), and would rename the half-written file into place.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
  if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace sumwick
