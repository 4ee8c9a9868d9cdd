#pragma once

#include <QString>
#include <QStringList>

#include "question_list.h"
#include "random_source.h"

namespace sumwick {

// Which number of a split question is left blank for the child.
enum class SplitBlankMode {
  Left = 1,         // "左下"
  Right = 2,        // "右下"
  Whole = 3,        // "上"
  LeftOrRight = 4,  // "左下右下随机"
  Any = 5,          // "上 左下 右上 随机"
};

enum class SplitPosition { Whole, Left, Right };

inline const QString kSplitBlank = QStringLiteral("(    )");
inline const QString kSplitArrows = QStringLiteral("↙ ↘");

// One question block of three lines joined by CR LF: the whole, the arrows, then the left and
// the right part three spaces apart; the number at `blank` is shown as "(    )".
QString MakeSplitBlock(int whole, int left, int right, SplitPosition blank);

// `count` blocks of wholes from 2 to `range`, each split into two parts of at least 1.
// Requires range >= 2 (see CheckSplitSettings).
QStringList GenerateSplitQuestions(int range, int count, SplitBlankMode mode, RandomSource& random);

// Appends one record per block, the block as its prompt and the other texts empty.
void AppendSplitQuestions(const QStringList& blocks, QuestionList& list);

}  // namespace sumwick
