#include <benchmark/benchmark.h>

#include "arithmetic_generator.h"
#include "expression_evaluator.h"

namespace sumwick {
namespace {

void BM_EvalFourNumbers(benchmark::State& state) {
  ExpressionEvaluator evaluator;
  const QString expressions[] = {QStringLiteral("12+7*3-5"), QStringLiteral("16-13+14+11"),
                                 QStringLiteral("18/4+9*2"), QStringLiteral("20-6-19+7")};
  size_t i = 0;
  for (auto _ : state) {
    QString text = evaluator.Eval(expressions[i++ & 3]);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_EvalFourNumbers);

void BM_EvaluateFourNumbersValueOnly(benchmark::State& state) {
  ExpressionEvaluator evaluator;
  const QString expressions[] = {QStringLiteral("12+7*3-5"), QStringLiteral("16-13+14+11"),
                                 QStringLiteral("18/4+9*2"), QStringLiteral("20-6-19+7")};
  size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(evaluator.Evaluate(expressions[i++ & 3]));
}
BENCHMARK(BM_EvaluateFourNumbersValueOnly);

void RunGeneration(benchmark::State& state, const ArithmeticSettings& settings,
                   bool subtractionsLast = false) {
  std::uint64_t seed = 1;
  std::int64_t attempts = 0, accepted = 0;
  for (auto _ : state) {
    QuestionList list;
    GenerationOptions options;
    options.seed = seed++;
    options.subtractionsLast = subtractionsLast;
    const GenerationReport report = GenerateArithmeticQuestions(settings, options, list);
    attempts += report.attempts;
    accepted += report.found;
    benchmark::DoNotOptimize(list);
  }
  state.counters["attempts_per_question"] =
      static_cast<double>(attempts) / static_cast<double>(accepted);
}

void BM_Generate100Defaults(benchmark::State& state) { RunGeneration(state, ArithmeticSettings{}); }
BENCHMARK(BM_Generate100Defaults)->Unit(benchmark::kMicrosecond);

void BM_Generate100NineNumbersAllOperators(benchmark::State& state) {
  RunGeneration(state, ArithmeticSettings{9, QStringLiteral("+-*/"), 1, 50, 100, 100});
}
BENCHMARK(BM_Generate100NineNumbersAllOperators)->Unit(benchmark::kMillisecond);

void BM_Generate100SubtractionsLast(benchmark::State& state) {
  RunGeneration(state, ArithmeticSettings{}, true);
}
BENCHMARK(BM_Generate100SubtractionsLast)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace sumwick
