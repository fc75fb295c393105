#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>

// Under CI (CI=true) a benchmark runs one short round: it proves that it still runs and prints
// its figures, which are then too short to compare with a person's full run, and says so.
inline bool ShortRound() {
  const char* ci = std::getenv("CI");
  const bool shortRound = ci != nullptr && std::strcmp(ci, "true") == 0;
  if (shortRound) {
    std::printf("a short round (CI=true): the figures below only show that it runs\n");
  }
  return shortRound;
}
