#include "gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace sumwick {
namespace {

bool IsLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
bool IsTrailByte(unsigned char b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFE); }

// Checks the byte structure of GBK: single bytes 0x01-0x80 (0x80 is the euro sign of code page
// 936), double bytes lead 0x81-0xFE followed by trail 0x40-0x7E or 0x80-0xFE.
bool IsWellFormedGbk(const QByteArray& bytes) {
  const qsizetype n = bytes.size();
  for (qsizetype i = 0; i < n; ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b == 0x00 || b == 0xFF) return false;
    if (IsLeadByte(b)) {
      if (i + 1 >= n || !IsTrailByte(static_cast<unsigned char>(bytes[i + 1]))) return false;
      ++i;
    }
  }
  return true;
}

}  // namespace

QByteArray EncodeGbk(const QString& text) {
  QStringEncoder encoder("GBK");
  if (!encoder.isValid()) return text.toLatin1();
  return encoder.encode(text);
}

std::optional<QString> DecodeGbkStrict(const QByteArray& bytes) {
  if (!IsWellFormedGbk(bytes)) return std::nullopt;
  QStringDecoder decoder("GBK");
  if (!decoder.isValid()) return std::nullopt;
  QString text = decoder.decode(bytes);
  if (decoder.hasError() || text.contains(QChar::ReplacementCharacter)) return std::nullopt;
  return text;
}

qsizetype GbkPrefixLength(const QByteArray& bytes, qsizetype maxBytes) {
  if (bytes.size() <= maxBytes) return bytes.size();
  qsizetype i = 0;
  while (i < maxBytes) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    const qsizetype width = IsLeadByte(b) ? 2 : 1;
    if (i + width > maxBytes) break;
    i += width;
  }
  return i;
}

}  // namespace sumwick
