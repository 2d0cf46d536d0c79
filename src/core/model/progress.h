#pragma once

#include <atomic>
#include <functional>

// How far long work (an export, a printout) has come, and whether the user
// cancelled it. The work sets its total, takes a step after each part and
// stops where it finds itself cancelled; the window reads it from another
// thread, or follows each step through onStep on the work's own thread.
class Progress {
 public:
  void start(int total) {
    total_ = total;
    done_ = 0;
  }
  void step() {
    ++done_;
    if (onStep) onStep();
  }
  void cancel() { cancelled_ = true; }
  bool cancelled() const { return cancelled_; }
  int done() const { return done_; }
  int total() const { return total_; }

  std::function<void()> onStep;

 private:
  std::atomic<int> done_{0};
  std::atomic<int> total_{0};
  std::atomic<bool> cancelled_{false};
};

// Why work that the user cancelled made nothing.
inline constexpr const char* cancelledReason = "it was cancelled";
