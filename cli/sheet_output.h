#pragma once

#include <QByteArray>
#include <cstdint>

#include "program_state.h"

namespace sumwick {

// {"questionCount":N,"questionsPerColumn":A,"seed":S,"questions":[{"expression":…,"prompt":…,
// "answer":…,"fullText":…},…]} in UTF-8.
QByteArray QuestionsAsJson(const QuestionList& questions, const WorksheetParams& params,
                           std::uint64_t seed);

// One full text a line; number-split blocks (whose lines end in "\n" here) separated by an empty
// line.
QByteArray QuestionsAsText(const QuestionList& questions, bool split);

}  // namespace sumwick
