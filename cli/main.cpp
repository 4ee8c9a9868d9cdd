// sumwick-sheet: makes a worksheet's questions from the command line.
#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>
#include <memory>

#include "arithmetic_generator.h"
#include "sheet_options.h"
#include "sheet_output.h"
#include "split_generator.h"
#include "worksheet_document.h"

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

// The worksheet's time: now, or SOURCE_DATE_EPOCH (seconds) for reproducible files.
QDateTime WorksheetTime() {
  bool ok = false;
  const qint64 seconds = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&ok);
  return ok ? QDateTime::fromSecsSinceEpoch(seconds) : QDateTime::currentDateTime();
}

}  // namespace

// Qt's own warnings (a missing runtime directory and the like) are not the tool's messages: the
// tool speaks in one line on failure. SUMWICK_DEBUG=1 lets them through.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg) return;
  std::fprintf(stderr, "%s\n", qUtf8Printable(qFormatLogMessage(type, context, message)));
}

int main(int argc, char* argv[]) {
  if (!qEnvironmentVariableIsSet("SUMWICK_DEBUG")) qInstallMessageHandler(QuietMessages);
  // The arguments decide whether fonts are needed: a PDF needs a GUI application (on the offscreen
  // platform unless one is chosen, so it runs without a display); the rest needs only the core.
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const SheetCommand command = ParseSheetArguments(arguments);
  std::unique_ptr<QCoreApplication> app;
  if (command.error.isEmpty() && command.options.format == SheetFormat::Pdf && !command.showHelp &&
      !command.showVersion) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // No event loop runs: the GLib event dispatcher would only cost start-up time.
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB")) qputenv("QT_NO_GLIB", "1");
    app = std::make_unique<QGuiApplication>(argc, argv);
    // The default printer's paper is asked for while the questions and fonts are prepared.
    PrefetchDefaultPaperSize();
  } else {
    app = std::make_unique<QCoreApplication>(argc, argv);
  }
  QCoreApplication::setApplicationName(QStringLiteral("sumwick-sheet"));
  QCoreApplication::setApplicationVersion(QStringLiteral(SUMWICK_VERSION));

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

  QByteArray bytes;
  if (o.format == SheetFormat::Pdf) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const Outcome outcome = ExportWorksheetPdf(state.questions, state.params, o.split, o.style,
                                               WorksheetTime(), buffer);
    if (!outcome.ok) return Fail(kFailed, outcome.error);
  } else {
    bytes = o.format == SheetFormat::Json ? QuestionsAsJson(state.questions, state.params, seed)
                                          : QuestionsAsText(state.questions, o.split);
  }
  QString error;
  if (!WriteOutput(o.outputPath, bytes, &error)) return Fail(kFailed, error);
#ifndef __SANITIZE_ADDRESS__
  if (o.format == SheetFormat::Pdf) {
    // Everything is written; tearing down the GUI application and its font database would only
    // cost time (a few milliseconds) that the system reclaims at exit anyway. (Sanitizer builds
    // tear down, so that the leak checker sees a clean exit.)
    std::fflush(nullptr);
    (void)app.release();
  }
#endif
  return kDone;
}
