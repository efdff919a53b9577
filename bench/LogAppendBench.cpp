// One colorization's log line, appended at 100, 10,000 and 100,000 lines: what the memo
// stores (its packed lines) and what its window works out for the new line (the rows
// it wraps into, at the details window's width in a fixed-pitch font). Beside it the
// memo's former storage, a vector of UTF-16 strings, for the memory each line costs.
//
// Counters: bytes_per_line is the heap taken by 100,000 lines, divided by 100,000.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "widgets/TextLines.h"
#include "widgets/WrapLayout.h"

namespace {

using tintara::RowIndex;
using tintara::TextLines;

const std::u16string kLine =
    u"Intensity 70 - Color 00FF0000 - Color Afterglow 6B3C78B4 - Color AfterglowBalance 32 - "
    u"Color BlurBalance 53 - Color GlassReflectionIntensity 80";
// Consolas 9 pt: 7 pixels a unit, in the 505 pixels a row of the memo has.
constexpr int kRowWidth = 505;
int Consolas9(char16_t) {
  return 7;
}

// The memo's lines and its window's row index, kept in step as the program keeps them.
class MemoLog {
 public:
  void Append(const std::u16string& line) {
    lines_.Append(line);
    lines_.CopyLine(lines_.Count() - 1, scratch_);
    tintara::WrapRows(scratch_, kRowWidth, Consolas9, starts_);
    rows_.AppendLine(static_cast<std::uint32_t>(starts_.size()));
  }
  std::size_t Count() const { return lines_.Count(); }
  std::uint64_t Rows() const { return rows_.Rows(); }

 private:
  TextLines lines_;
  RowIndex rows_;
  std::u16string scratch_;
  std::vector<std::size_t> starts_;
};

// The memo's storage before: a vector of strings.
class VectorLog {
 public:
  void Append(const std::u16string& line) { lines_.push_back(line); }
  std::size_t Count() const { return lines_.size(); }
  std::uint64_t Rows() const { return lines_.size(); }

 private:
  std::vector<std::u16string> lines_;
};

std::size_t HeapInUse() {
  return mallinfo2().uordblks;
}

template <typename Log>
double BytesPerLine() {
  constexpr int kLines = 100000;
  const std::size_t before = HeapInUse();
  auto log = std::make_unique<Log>();
  for (int i = 0; i < kLines; ++i) log->Append(kLine);
  const std::size_t after = HeapInUse();
  return static_cast<double>(after - before) / kLines;
}

// Appends blocks of lines to a log of `lines` lines, filled anew once it has grown past
// one per cent, so every append is timed at very nearly that length. Only the blocks
// are timed, by hand, so the refilling costs nothing at any length.
template <typename Log>
void AppendAt(benchmark::State& state) {
  const auto lines = static_cast<std::size_t>(state.range(0));
  constexpr int kBlock = 16;
  const std::size_t refill = lines + std::max<std::size_t>(kBlock, lines / 100);
  std::unique_ptr<Log> log;
  for (auto _ : state) {
    if (!log || log->Count() >= refill) {
      log = std::make_unique<Log>();
      for (std::size_t i = 0; i < lines; ++i) log->Append(kLine);
    }
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kBlock; ++i) log->Append(kLine);
    benchmark::DoNotOptimize(log->Rows());
    const auto end = std::chrono::steady_clock::now();
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
  }
  state.SetItemsProcessed(state.iterations() * kBlock);
  state.counters["bytes_per_line"] = BytesPerLine<Log>();
}

void BM_MemoAppend(benchmark::State& state) {
  AppendAt<MemoLog>(state);
}
void BM_VectorAppend(benchmark::State& state) {
  AppendAt<VectorLog>(state);
}

BENCHMARK(BM_MemoAppend)->Arg(100)->Arg(10000)->Arg(100000)->Iterations(4000)->UseManualTime();
BENCHMARK(BM_VectorAppend)->Arg(100)->Arg(10000)->Arg(100000)->Iterations(4000)->UseManualTime();

}  // namespace

BENCHMARK_MAIN();
