#pragma once

#include <QString>
#include <chrono>
#include <cstdint>
#include <functional>

namespace sumwick {

enum class GenerationStatus {
  Complete,   // exactly the requested number of questions
  Refused,    // the settings can never be satisfied; nothing was generated
  GaveUp,     // the settings are satisfied too rarely; stopped after the effort limit
  Cancelled,  // the progress callback asked to stop
};

// Called now and then during a run with the questions found so far; returning false cancels.
using GenerationProgress = std::function<bool(int found, int wanted)>;

struct GenerationOptions {
  std::uint64_t seed = 0;
  bool subtractionsLast = false;  // the option "排除小数减大数"
  std::chrono::milliseconds effortLimit{3000};
  std::chrono::milliseconds progressInterval{50};
  GenerationProgress progress;
};

struct GenerationReport {
  GenerationStatus status = GenerationStatus::Complete;
  QString message;  // for the user; empty when complete
  int found = 0;
  int wanted = 0;
  std::int64_t attempts = 0;
  std::uint64_t seed = 0;

  bool Succeeded() const { return status == GenerationStatus::Complete; }
};

}  // namespace sumwick
