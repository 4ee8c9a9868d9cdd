// sumwick-sheet: makes a worksheet's questions from the command line.
#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>

#include "arithmetic_generator.h"
#include "sheet_options.h"
#include "sheet_output.h"
#include "split_generator.h"

namespace {

using namespace sumwick;

enum ExitCode { kDone = 0, kFailed = 1, kBadRequest = 2, kGaveUp = 3 };

int Fail(int code, const QString& message) {
  std::fprintf(stderr, "sumwick-sheet: %s\n", qUtf8Printable(message));
  return code;
}

bool WriteOutput(const QString& path, const QByteArray& bytes, QString* error) {
  if (path.isEmpty() || path == QStringLiteral("-")) {
    if (std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout) ==
            static_cast<size_t>(bytes.size()) &&
        std::fflush(stdout) == 0) {
      return true;
    }
    *error = QStringLiteral("cannot write to standard output");
    return false;
  }
  // A regular file is replaced whole, so a failed run never leaves half a file; a device or a
  // pipe (/dev/null, a FIFO) is written in place and must never be replaced by a file.
  const QFileInfo info(path);
  if (info.exists() && !info.isFile()) {
    QFile device(path);
    if (device.open(QIODevice::WriteOnly) && device.write(bytes) == bytes.size()) return true;
    *error = QStringLiteral("cannot write %1: %2").arg(path, device.errorString());
    return false;
  }
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
    return true;
  *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
  return false;
}

// Fills the state's question list as the chosen generator does; returns an exit code.
int Generate(const SheetOptions& o, std::uint64_t seed, ProgramState& state) {
  if (const QString problem = CheckQuestionsPerColumn(o.questionsPerColumn); !problem.isEmpty()) {
    return Fail(kBadRequest, problem);
  }
  state.params.questionCount = o.arithmetic.questionCount;
  state.params.questionsPerColumn = o.questionsPerColumn;
  if (o.split) {
    if (const QString problem = CheckSplitSettings(o.splitRange, o.arithmetic.questionCount);
        !problem.isEmpty()) {
      return Fail(kBadRequest, problem);
    }
    RandomSource random(seed);
    AppendSplitQuestions(
        GenerateSplitQuestions(o.splitRange, o.arithmetic.questionCount, o.splitBlank, random),
        state.questions);
    return kDone;
  }
  GenerationOptions generation;
  generation.seed = seed;
  generation.subtractionsLast = o.subtractionsLast;
  const GenerationReport report =
      GenerateArithmeticQuestions(o.arithmetic, generation, state.questions);
  switch (report.status) {
    case GenerationStatus::Complete:
      return kDone;
    case GenerationStatus::Refused:
      return Fail(kBadRequest, report.message);
    case GenerationStatus::GaveUp:
    case GenerationStatus::Cancelled:
      break;
  }
  return Fail(kGaveUp, report.message);
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("sumwick-sheet"));
  QCoreApplication::setApplicationVersion(QStringLiteral(SUMWICK_VERSION));

  const SheetCommand command = ParseSheetArguments(QCoreApplication::arguments().mid(1));
  if (!command.error.isEmpty()) return Fail(kBadRequest, command.error);
  if (command.showHelp) {
    std::fputs(qUtf8Printable(SheetUsage()), stdout);
    return kDone;
  }
  if (command.showVersion) {
    std::printf("sumwick-sheet %s\n", SUMWICK_VERSION);
    return kDone;
  }

  const SheetOptions& o = command.options;
  const std::uint64_t seed = o.seed.value_or(RandomSource::FreshSeed());
  ProgramState state;
  if (const int code = Generate(o, seed, state); code != kDone) return code;

  const QByteArray bytes = o.format == SheetFormat::Json
                               ? QuestionsAsJson(state.questions, state.params, seed)
                               : QuestionsAsText(state.questions, o.split);
  QString error;
  if (!WriteOutput(o.outputPath, bytes, &error)) return Fail(kFailed, error);
  return kDone;
}
