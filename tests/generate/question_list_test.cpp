#include <gtest/gtest.h>

#include "program_state.h"

namespace sumwick {
namespace {

TEST(QuestionList, KeepsIndependentCopiesInOrderAndAllowsRepeats) {
  QuestionList list;
  QuestionRecord record{"3+6", "3+6=", "9", "3+6=9"};
  list.Append(record);
  record.expression = "changed";
  list.Append(list.At(1));
  ASSERT_EQ(list.Size(), 2);
  EXPECT_EQ(list.At(1).expression, "3+6");
  EXPECT_EQ(list.At(1), list.At(2));
  list.Clear();
  EXPECT_TRUE(list.IsEmpty());
}

TEST(ProgramState, StartsEmpty) {
  ProgramState state;
  EXPECT_EQ(state.params.questionCount, 0);
  EXPECT_EQ(state.params.questionsPerColumn, 0);
  EXPECT_FALSE(state.mode.arithmeticPending || state.mode.splitPending);
  EXPECT_TRUE(state.grade.rowNumber.isEmpty());
  EXPECT_TRUE(state.questions.IsEmpty());
}

}  // namespace
}  // namespace sumwick
