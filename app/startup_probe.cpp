#include "startup_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace sumwick {
namespace {

class StartupProbe : public QObject {
 public:
  StartupProbe(QWidget* window, long long launchNs) : QObject(window), launchNs_(launchNs) {
    window->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !done_) {
      done_ = true;
      // Report once the paint has been handled and flushed to the window.
      QTimer::singleShot(0, this, [this] {
        const long long now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                  std::chrono::system_clock::now().time_since_epoch())
                                  .count();
        std::fprintf(stderr, "sumwick-startup: first paint %.1f ms after launch\n",
                     static_cast<double>(now - launchNs_) / 1e6);
        std::fflush(stderr);
        QCoreApplication::exit(0);
      });
    }
    return false;
  }

 private:
  long long launchNs_;
  bool done_ = false;
};

}  // namespace

void InstallStartupProbe(QWidget* window) {
  const char* launch = std::getenv("SUMWICK_STARTUP_PROBE");
  if (!launch || !*launch) return;
  new StartupProbe(window, std::atoll(launch));
}

}  // namespace sumwick
