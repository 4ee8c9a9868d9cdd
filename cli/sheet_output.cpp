#include "sheet_output.h"

namespace sumwick {
namespace {

void AppendJsonString(QByteArray& out, const QString& text) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += '"';
  for (const char c : text.toUtf8()) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (byte < 0x20) {
      out += "\\u00";
      out += kHex[byte >> 4];
      out += kHex[byte & 15];
    } else {
      out += c;
    }
  }
  out += '"';
}

}  // namespace

QByteArray QuestionsAsJson(const QuestionList& questions, const WorksheetParams& params,
                           std::uint64_t seed) {
  QByteArray out;
  out.reserve(96 + qsizetype{questions.Size()} * 110);
  out += "{\"questionCount\":" + QByteArray::number(params.questionCount) +
         ",\"questionsPerColumn\":" + QByteArray::number(params.questionsPerColumn) +
         ",\"seed\":" + QByteArray::number(static_cast<qulonglong>(seed)) + ",\"questions\":[";
  bool first = true;
  for (const QuestionRecord& q : questions) {
    if (!first) out += ',';
    first = false;
    out += "{\"expression\":";
    AppendJsonString(out, q.expression);
    out += ",\"prompt\":";
    AppendJsonString(out, q.prompt);
    out += ",\"answer\":";
    AppendJsonString(out, q.answer);
    out += ",\"fullText\":";
    AppendJsonString(out, q.fullText);
    out += '}';
  }
  out += "]}\n";
  return out;
}

QByteArray QuestionsAsText(const QuestionList& questions, bool split) {
  QByteArray out;
  bool first = true;
  for (const QuestionRecord& q : questions) {
    if (split) {
      if (!first) out += '\n';
      out += QString(q.prompt).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).toUtf8();
    } else {
      out += q.fullText.toUtf8();
    }
    out += '\n';
    first = false;
  }
  return out;
}

}  // namespace sumwick
