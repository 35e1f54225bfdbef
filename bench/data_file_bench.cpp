// How long saving and loading the data file takes as the book grows, and what sealing costs.
// Run: build/default/bench/data_file_bench
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "seal/seal_text.h"
#include "store/data_file.h"

namespace varnelle {
namespace {

RecordTable MakeBook(std::int64_t records) {
  RecordTable table;
  for (std::int64_t i = 0; i < records; ++i) {
    const std::string n = std::to_string(i);
    table.push_back({"platform-" + n, "account" + n + "@example.org", "p4ss-" + n + "-word",
                     "a note of a few words\r\nand a second line " + n});
  }
  return table;
}

class Folder {
 public:
  Folder() {
    path_ = std::filesystem::temp_directory_path() /
            ("varnelle-bench-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(path_);
  }
  ~Folder() { std::filesystem::remove_all(path_); }
  std::filesystem::path File() const { return path_ / DataFileName(); }

 private:
  std::filesystem::path path_;
};

void BM_SaveDataFile(benchmark::State& state) {
  Folder folder;
  const RecordTable table = MakeBook(state.range(0));
  AppSettings settings;
  settings.count = static_cast<std::int32_t>(table.size());
  settings.login_password = "login";
  for (auto _ : state) {
    benchmark::DoNotOptimize(SaveDataFile(folder.File(), settings, table, false));
  }
  state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(folder.File()));
}
BENCHMARK(BM_SaveDataFile)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_LoadDataFile(benchmark::State& state) {
  Folder folder;
  const RecordTable table = MakeBook(state.range(0));
  AppSettings settings;
  settings.count = static_cast<std::int32_t>(table.size());
  SaveDataFile(folder.File(), settings, table, false);
  for (auto _ : state) {
    AppSettings loaded;
    RecordTable records;
    benchmark::DoNotOptimize(LoadDataFile(folder.File(), loaded, records));
  }
}
BENCHMARK(BM_LoadDataFile)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_SealText(benchmark::State& state) {
  const std::string text(static_cast<std::size_t>(state.range(0)), 'x');
  for (auto _ : state) benchmark::DoNotOptimize(UnsealText(SealText(text)));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SealText)->Arg(100)->Arg(10000);

}  // namespace
}  // namespace varnelle

BENCHMARK_MAIN();
