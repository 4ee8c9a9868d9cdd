#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "arithmetic_settings.h"
#include "split_generator.h"

namespace sumwick {

enum class SheetFormat { Json, Text };

// Everything the command line asks for. Defaults are the main window's initial values.
struct SheetOptions {
  ArithmeticSettings arithmetic;
  int questionsPerColumn = 25;
  bool subtractionsLast = false;

  bool split = false;
  int splitRange = 10;
  SplitBlankMode splitBlank = SplitBlankMode::LeftOrRight;

  std::optional<std::uint64_t> seed;
  SheetFormat format = SheetFormat::Json;
  QString outputPath;  // empty: standard output
};

struct SheetCommand {
  SheetOptions options;
  bool showHelp = false;
  bool showVersion = false;
  QString error;  // a bad flag or value, one line
};

// Reads the arguments after the program name.
SheetCommand ParseSheetArguments(const QStringList& arguments);

QString SheetUsage();

}  // namespace sumwick
