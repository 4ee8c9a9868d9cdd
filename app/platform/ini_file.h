#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace sumwick {

// An INI file held as its lines of GBK bytes, read and written the way the ANSI profile functions
// of the original platform do it, so existing configuration files keep working byte for byte:
//
// - lines are "[section]" headers and "key=value" entries; lines end in CR LF when written (LF
// alone
//   is accepted when read); every line that the program does not change is written back unchanged;
// - sections and keys are matched case-insensitively for ASCII letters, the first match wins;
//   white space around names and values is ignored, a value enclosed in a pair of double or single
//   quotes loses them, and lines starting with ";" are comments;
// - a value is read up to kMaxValueBytes bytes; a longer value is cut there (and before a
//   double-byte character that the cut would split);
// - a value whose bytes are not GBK reads as missing, so its control keeps the state it has;
// - a new key goes at the end of its section, a new section at the end of the file.
class IniFile {
 public:
  static constexpr qsizetype kMaxValueBytes = 10239;

  // Reads the file; a missing or unreadable file gives an empty document.
  static IniFile Load(const QString& path);
  static IniFile FromBytes(const QByteArray& bytes);

  // The value of key in section, empty when the section or the key is missing or the value cannot
  // be decoded.
  QString Value(const QString& section, const QString& key) const;

  // Sets the value of key in section, creating the section and the key as needed. Carriage returns
  // and line feeds in the value are written as spaces, so a value stays one line.
  void SetValue(const QString& section, const QString& key, const QString& value);

  QByteArray ToBytes() const;

  // Writes the whole file to a temporary file beside it and renames that into place, so the file on
  // disk is always either the old one or the new one. False when anything fails; the old file is
  // then left as it was.
  bool Save(const QString& path) const;

 private:
  // Index of the header line of the first section named section, or -1.
  qsizetype FindSection(const QByteArray& section) const;
  // Index of the first line of the key inside the section starting at header, or -1.
  qsizetype FindKey(qsizetype header, const QByteArray& key) const;
  // Index one past the last line of the section starting at header.
  qsizetype SectionEnd(qsizetype header) const;

  QList<QByteArray> lines_;
};

// Writes bytes to path atomically (temporary file, then rename). False on any failure, leaving
// whatever stood at path as it was.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace sumwick
