#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "game/game_rules.h"
#include "short_round.h"

namespace {

playfield::Form1& LoadedForm() {
  static playfield::Form1 form = [] {
    playfield::Form1 loaded;
    playfield::Form_Load(loaded);
    return loaded;
  }();
  game::ConnectHandlers(form);
  return form;
}

// One tick of play: six steps, the escapes and wraps that fall on it, six hit tests, parking.
void BM_Tick(benchmark::State& state) {
  playfield::Form1& form = LoadedForm();
  for (auto _ : state) {
    game::Timer1_Timer(form);
    benchmark::DoNotOptimize(form.f.Top);
  }
}
BENCHMARK(BM_Tick);

// One space-bar press: the shot's whole flight of 4001 steps.
void BM_Fire(benchmark::State& state) {
  playfield::Form1& form = LoadedForm();
  for (auto _ : state) {
    std::int16_t space = 32;
    game::Form_KeyPress(form, space);
    benchmark::DoNotOptimize(form.f.Top);
  }
}
BENCHMARK(BM_Fire);

}  // namespace

int main(int argc, char** argv) {
  std::vector<char*> arguments(argv, argv + argc);
  char shortTime[] = "--benchmark_min_time=0.01";
  if (ShortRound()) {
    arguments.insert(arguments.begin() + 1, shortTime);  // a flag given after it still wins
  }
  int count = static_cast<int>(arguments.size());
  benchmark::Initialize(&count, arguments.data());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
