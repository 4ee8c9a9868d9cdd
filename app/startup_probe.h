#pragma once

class QWidget;

namespace sumwick {

// A measuring aid for the start-up time, not a setting of the program: when the environment holds
// SUMWICK_STARTUP_PROBE=<launch time in nanoseconds since the epoch>, the program writes the time
// from launch to the main window's first paint to standard error and quits right after it (without
// the closing steps). tools/measure_startup.sh drives it. Without the variable it does nothing.
void InstallStartupProbe(QWidget* window);

}  // namespace sumwick
