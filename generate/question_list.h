#pragma once

#include <vector>

#include "question_record.h"

namespace sumwick {

// The questions of the latest generation, in the order they were accepted.
// Elements are addressed from 1, as the worksheet numbers them. Repeats are allowed.
class QuestionList {
 public:
  void Clear() { records_.clear(); }
  void Append(const QuestionRecord& record) { records_.push_back(record); }
  void Append(QuestionRecord&& record) { records_.push_back(std::move(record)); }
  void Reserve(int count) { records_.reserve(count > 0 ? static_cast<size_t>(count) : 0); }

  int Size() const { return static_cast<int>(records_.size()); }
  bool IsEmpty() const { return records_.empty(); }
  // k runs from 1 to Size().
  const QuestionRecord& At(int k) const { return records_.at(static_cast<size_t>(k - 1)); }

  auto begin() const { return records_.begin(); }
  auto end() const { return records_.end(); }

 private:
  std::vector<QuestionRecord> records_;
};

}  // namespace sumwick
