// Benchmarks of the main window's start-up work: building the window from its layout table with
// the opening steps, and the settings store's restore and save. (The whole start-up, process start
// to first paint under Xvfb, is measured by app/tools/measure_startup.sh.)

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "main_window.h"
#include "printer_system.h"
#include "settings/settings_store.h"
#include "ui/controls.h"
#include "worksheet_actions.h"

namespace {

sumwick::SettingsLocation LocationIn(const QTemporaryDir& dir) {
  return sumwick::ResolveSettingsLocation(dir.path(), dir.filePath("user"));
}

// Creating the main window: every control from the table, the data folder, the restore from a
// saved file, the three grade-one rows with their pictures.
void BM_OpenMainWindow(benchmark::State& state) {
  QTemporaryDir dir;
  sumwick::ProgramState program;
  {
    sumwick::MainWindow first(program, LocationIn(dir));
    first.close();  // leaves a saved configuration file
  }
  for (auto _ : state) {
    sumwick::MainWindow window(program, LocationIn(dir));
    benchmark::DoNotOptimize(window.gradeOneList());
  }
}
BENCHMARK(BM_OpenMainWindow)->Unit(benchmark::kMillisecond);

void BM_RestoreWindowStates(benchmark::State& state) {
  QTemporaryDir dir;
  sumwick::ProgramState program;
  sumwick::MainWindow window(program, LocationIn(dir));
  sumwick::SaveWindowStates(&window, LocationIn(dir).configFile);
  for (auto _ : state) sumwick::RestoreWindowStates(&window, LocationIn(dir).configFile);
}
BENCHMARK(BM_RestoreWindowStates)->Unit(benchmark::kMicrosecond);

// The closing steps: three atomic writes of the file (each with its sync to disk).
void BM_SaveWindowStates(benchmark::State& state) {
  QTemporaryDir dir;
  sumwick::ProgramState program;
  sumwick::MainWindow window(program, LocationIn(dir));
  for (auto _ : state) sumwick::SaveWindowStates(&window, LocationIn(dir).configFile);
}
BENCHMARK(BM_SaveWindowStates)->Unit(benchmark::kMicrosecond);

// From pressing "出题" with the initial values (100 questions) to the print setup window painted
// with the worksheet, on the machine's real printing service.
void BM_GenerateToWorksheetShown(benchmark::State& state) {
  QTemporaryDir dir;
  sumwick::ProgramState program;
  const auto printers = sumwick::CreateSystemPrinters();
  sumwick::AppContext app{program, LocationIn(dir), *printers, {}, {}, {}};
  app.runModal = [](sumwick::PrintSetupWindow& window) {
    window.show();
    benchmark::DoNotOptimize(window.grab());  // paints the whole window, the worksheet included
    window.close();
    return 0;
  };
  sumwick::MainWindow window(program, LocationIn(dir));
  sumwick::ConnectMainWindowActions(window, app);
  for (auto _ : state) window.generateButton()->click();
}
BENCHMARK(BM_GenerateToWorksheetShown)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setFont(sumwick::ui::DefaultGuiFont());
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
