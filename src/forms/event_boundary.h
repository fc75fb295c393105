#pragma once

#include <functional>

#include "forms/runtime_error.h"

namespace forms {

// The one door through which events enter their handlers. No handler traps errors, so an error
// that reaches this door ends the program: the host is told once, and no later event runs.
class EventBoundary {
 public:
  using Report = std::function<void(const RuntimeError&)>;

  explicit EventBoundary(Report untrapped) : untrapped_(std::move(untrapped)) {}

  void Raise(const std::function<void()>& handler);
  bool Ended() const { return ended_; }

 private:
  void End(const RuntimeError& error);

  Report untrapped_;
  bool ended_ = false;
};

}  // namespace forms
