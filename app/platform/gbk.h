#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace sumwick {

// Texts in the configuration file are byte strings in the GBK code page (Windows code page 936).

// Encodes a text to GBK. Characters that GBK cannot hold become "?", as the ANSI functions of the
// original platform write them.
QByteArray EncodeGbk(const QString& text);

// Decodes GBK bytes strictly: nullopt when the bytes are not well-formed GBK (a byte 0xFF, a lead
// byte without a valid trail byte, a NUL byte) or the decoder reports an error. Qt's decoder would
// pass such bytes on silently as replacement or private-use characters; callers treat an
// undecodable value as unreadable.
std::optional<QString> DecodeGbkStrict(const QByteArray& bytes);

// Length of the longest prefix of at most maxBytes bytes that does not end inside a double-byte
// character.
qsizetype GbkPrefixLength(const QByteArray& bytes, qsizetype maxBytes);

}  // namespace sumwick
