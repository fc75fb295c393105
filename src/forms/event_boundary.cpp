#include "forms/event_boundary.h"

#include <new>

namespace forms {

void EventBoundary::Raise(const std::function<void()>& handler) {
  if (ended_) {
    return;
  }
  try {
    handler();
  } catch (const RuntimeError& error) {
    End(error);
  } catch (const std::bad_alloc&) {
    End(RuntimeError(7, "Out of memory"));
  } catch (const std::exception& other) {
    End(RuntimeError(51, std::string("Internal error: ") + other.what()));
  }
}

void EventBoundary::End(const RuntimeError& error) {
  // Marked first: the report may run a nested event loop, and no handler may run after it.
  ended_ = true;
  if (untrapped_) {
    untrapped_(error);
  }
}

}  // namespace forms
