#include "pattern_matcher.h"

namespace sumwick {

bool PatternMatcher::Execute(const QString& pattern, const QString& subject, MatchOptions options) {
  QString effectivePattern = pattern;
  if (options.quoteEscape) effectivePattern.replace(QStringLiteral("#引号"), QStringLiteral("\""));

  QRegularExpression::PatternOptions flags = QRegularExpression::NoPatternOption;
  if (!options.caseSensitive) flags |= QRegularExpression::CaseInsensitiveOption;
  if (options.multiline) flags |= QRegularExpression::MultilineOption;
  // A matcher often runs the same pattern many times in one generation: compile it once.
  if (expression_.pattern() != effectivePattern || expression_.patternOptions() != flags) {
    expression_ = QRegularExpression(effectivePattern, flags);
  }

  subject_ = subject;
  global_ = options.global;
  matches_.clear();
  valid_ = expression_.isValid();
  if (!valid_) return false;

  if (global_) {
    for (auto it = expression_.globalMatch(subject_); it.hasNext();) matches_.append(it.next());
  } else if (auto match = expression_.match(subject_); match.hasMatch()) {
    matches_.append(match);
  }
  return true;
}

QString PatternMatcher::MatchText(int k) const {
  if (k < 1 || k > Count()) return {};
  return matches_[k - 1].captured(0);
}

QString PatternMatcher::Replace(const QString& replacement) const {
  if (!valid_) return {};
  QString result;
  qsizetype copied = 0;
  for (const auto& match : matches_) {
    result += QStringView(subject_).sliced(copied, match.capturedStart(0) - copied);
    result += replacement;
    copied = match.capturedEnd(0);
  }
  result += QStringView(subject_).sliced(copied);
  return result;
}

}  // namespace sumwick
