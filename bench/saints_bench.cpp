// Throughput of the saints table on a generated 50 MB file, against counting its lines with memchr
// over the same mapping (the physical limit of one pass over the bytes).
#include "data/calendar_data.h"
#include "platform/mapped_file.h"
#include "tools/synthetic_saints.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

using namespace orvelle;

namespace {
const std::string& BigFile()
{
    static const std::string path = [] {
        const auto p = (std::filesystem::temp_directory_path() / "orvelle-bench-50mb.csv").string();
        const std::string data = MakeSyntheticSaints(50u << 20);
        std::ofstream(p, std::ios::binary).write(data.data(), static_cast<std::streamsize>(data.size()));
        return p;
    }();
    return path;
}

int64_t FileSize()
{
    return static_cast<int64_t>(std::filesystem::file_size(BigFile()));
}

void BM_MemchrLines(benchmark::State& state)
{
    MappedFile file(BigFile());
    for (auto _ : state) {
        size_t lines = 0;
        const char* p = file.data();
        const char* end = p + file.size();
        while ((p = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p))))) {
            ++lines;
            ++p;
        }
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(state.iterations() * FileSize());
}

void BM_IndexScan(benchmark::State& state)
{
    for (auto _ : state) {
        TCalendarData2 table(BigFile());
        benchmark::DoNotOptimize(table.DayOffset(12, 31));
    }
    state.SetBytesProcessed(state.iterations() * FileSize());
}

void BM_LoadEveryDay(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        TCalendarData2 table(BigFile());
        state.ResumeTiming();
        size_t rows = 0;
        for (unsigned m = 1; m <= 12; ++m)
            for (unsigned d = 1; d <= 31; ++d)
                rows += table.SaintsOfDay(m, d).size();
        benchmark::DoNotOptimize(rows);
    }
    state.SetBytesProcessed(state.iterations() * FileSize());
}

void BM_FirstSearch(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        TCalendarData2 table(BigFile());
        state.ResumeTiming();
        TSaintRefs found;
        table.FindSaints("jerome", "", found, NoDate);
        benchmark::DoNotOptimize(found.size());
    }
    state.SetBytesProcessed(state.iterations() * FileSize());
}

void BM_SecondSearch(benchmark::State& state)
{
    TCalendarData2 table(BigFile());
    TSaintRefs warm;
    table.FindSaints("", "", warm, NoDate);
    for (auto _ : state) {
        TSaintRefs found;
        table.FindSaints("", "pilgrims", found, NoDate);
        benchmark::DoNotOptimize(found.size());
    }
    state.SetBytesProcessed(state.iterations() * FileSize());
}
// The shipped file: what a user waits for at the first "Find Saint...".
void BM_ShippedFileFirstSearch(benchmark::State& state)
{
    for (auto _ : state) {
        TCalendarData2 table(ORVELLE_SHIPPED_SAINTS);
        TSaintRefs found;
        table.FindSaints("john", "", found, NoDate);
        benchmark::DoNotOptimize(found.size());
    }
}
} // namespace

BENCHMARK(BM_ShippedFileFirstSearch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemchrLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IndexScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadEveryDay)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FirstSearch)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SecondSearch)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
