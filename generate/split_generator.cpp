#include "split_generator.h"

namespace sumwick {
namespace {

SplitPosition ChooseBlank(SplitBlankMode mode, RandomSource& random) {
  switch (mode) {
    case SplitBlankMode::Left:
      return SplitPosition::Left;
    case SplitBlankMode::Right:
      return SplitPosition::Right;
    case SplitBlankMode::Whole:
      return SplitPosition::Whole;
    case SplitBlankMode::LeftOrRight:
      return random.RandomInRange(1, 2) == 1 ? SplitPosition::Left : SplitPosition::Right;
    case SplitBlankMode::Any:
      break;
  }
  switch (random.RandomInRange(1, 3)) {
    case 1:
      return SplitPosition::Left;
    case 2:
      return SplitPosition::Right;
    default:
      return SplitPosition::Whole;
  }
}

QString NumberOrBlank(int number, bool blank) {
  return blank ? kSplitBlank : QString::number(number);
}

}  // namespace

QString MakeSplitBlock(int whole, int left, int right, SplitPosition blank) {
  return NumberOrBlank(whole, blank == SplitPosition::Whole) + QStringLiteral("\r\n") +
         kSplitArrows + QStringLiteral("\r\n") + NumberOrBlank(left, blank == SplitPosition::Left) +
         QStringLiteral("   ") + NumberOrBlank(right, blank == SplitPosition::Right);
}

QStringList GenerateSplitQuestions(int range, int count, SplitBlankMode mode,
                                   RandomSource& random) {
  QStringList blocks;
  if (range < 2) return blocks;
  blocks.reserve(count);
  while (blocks.size() < count) {
    // The larger of two different numbers is the whole, the smaller the left part.
    const std::vector<int> drawn = random.DrawDistinct(2, 1, range);
    const int p = drawn[0];
    const int q = drawn[1];
    if (p < q) continue;
    blocks.append(MakeSplitBlock(p, q, p - q, ChooseBlank(mode, random)));
  }
  return blocks;
}

void AppendSplitQuestions(const QStringList& blocks, QuestionList& list) {
  for (const QString& block : blocks) list.Append(QuestionRecord{{}, block, {}, {}});
}

}  // namespace sumwick
