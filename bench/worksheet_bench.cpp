// Worksheet benchmarks: layout, styles and header in process, the whole opening with the fit
// search, and the PDF. Fonts need a GUI application, so this binary has its own main().
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>

#include "grid_geometry.h"
#include "worksheet_document.h"
#include "worksheet_header.h"
#include "worksheet_layout.h"

namespace sumwick {
namespace {

QuestionList Questions(int count) {
  QuestionList list;
  list.Reserve(count);
  for (int i = 1; i <= count; ++i) {
    const int a = 5 + i % 16, b = 5 + (i * 7) % 16, c = 5 + (i * 3) % 16;
    const QString prompt = QStringLiteral("%1+%2-%3=").arg(a).arg(b).arg(c);
    const QString answer = QString::number(a + b - c);
    list.Append(QuestionRecord{prompt.chopped(1), prompt, answer, prompt + answer});
  }
  return list;
}

const QDateTime kTime(QDate(2019, 11, 9), QTime(14, 5, 9));

// Every benchmark starts without remembered text sizes, as a new process does.

// LayOutArithmeticWorksheet (with ApplyWorksheetStyles) and WriteWorksheetHeader on a fresh grid
// of 60 x 101 cells, as the print setup window does when it opens.
void BM_LayoutStylesHeader(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const QuestionList list = Questions(count);
  const WorksheetStyle style;
  for (auto _ : state) {
    state.PauseTiming();
    ForgetMeasuredTexts();  // every text is measured afresh, as in a new process
    state.ResumeTiming();
    ReportGrid grid(A4PaperSizeUnits());
    grid.SetRowCount(kInitialGridRows);
    grid.SetColumnCount(kInitialGridColumns);
    WorksheetGeometry geometry;
    LayOutArithmeticWorksheet(grid, geometry, list, 10, style);
    WriteWorksheetHeader(grid, geometry, count, kTime);
    benchmark::DoNotOptimize(grid.GetColumnCount());
  }
  state.SetComplexityN(count);
}
BENCHMARK(BM_LayoutStylesHeader)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LayoutStylesHeader)
    ->RangeMultiplier(2)
    ->Range(1250, 10000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

// The whole opening plus the preview's fit search (up to 19 paginations).
void BM_BuildWorksheetWithFitSearch(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const QuestionList list = Questions(count);
  for (auto _ : state) {
    state.PauseTiming();
    ForgetMeasuredTexts();
    state.ResumeTiming();
    ReportGrid grid(A4PaperSizeUnits());
    WorksheetGeometry geometry;
    BuildWorksheet(grid, geometry, list, WorksheetParams{count, 10}, false, WorksheetStyle{}, kTime);
    benchmark::DoNotOptimize(grid.PrintScale());
  }
}
BENCHMARK(BM_BuildWorksheetWithFitSearch)->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond);

// The PDF of an already built worksheet.
void BM_WritePdf(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  ReportGrid grid(A4PaperSizeUnits());
  WorksheetGeometry geometry;
  BuildWorksheet(grid, geometry, Questions(count), WorksheetParams{count, 10}, false,
                 WorksheetStyle{}, kTime);
  for (auto _ : state) {
    state.PauseTiming();
    ForgetMeasuredTexts();
    state.ResumeTiming();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    WriteGridPdf(grid, buffer);
    state.counters["bytes"] = static_cast<double>(bytes.size());
  }
}
BENCHMARK(BM_WritePdf)->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sumwick

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
