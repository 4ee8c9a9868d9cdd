#pragma once

#include <QList>
#include <QRegularExpression>
#include <QString>

namespace sumwick {

struct MatchOptions {
  bool caseSensitive = false;
  bool multiline = true;
  bool global = true;
  bool quoteEscape = false;  // "#引号" in the pattern stands for a double quote
};

// Runs a regular expression over a subject and keeps the matches for the calls that follow.
// Count, MatchText and Replace always refer to the last Execute.
class PatternMatcher {
 public:
  // Finds the matches of `pattern` in `subject`, left to right without overlap (only the first
  // unless global). False when the pattern is not a valid regular expression.
  bool Execute(const QString& pattern, const QString& subject, MatchOptions options = {});

  int Count() const { return static_cast<int>(matches_.size()); }
  // k runs from 1 to Count(); an empty text outside that range.
  QString MatchText(int k) const;
  // The last subject with the matches replaced (every match when global).
  QString Replace(const QString& replacement) const;

 private:
  QRegularExpression expression_;
  QString subject_;
  QList<QRegularExpressionMatch> matches_;
  bool global_ = true;
  bool valid_ = false;
};

}  // namespace sumwick
