// What the sources cost: one refresh of the information text's source
// lines over the fakes, reading a large performance data block, and one
// collection of 64 processors.

#include <benchmark/benchmark.h>

#include "fakes/fake_services.h"
#include "fakes/source_data.h"
#include "windows/portable/performance_data.h"
#include "settings/settings.h"
#include "sources/cpu_load_sampler.h"
#include "sources/memory_text.h"
#include "sources/network_activity.h"
#include "sources/uptime.h"

namespace ostrel {
namespace {

std::vector<std::int64_t> IdleTimes(int processors, std::int64_t base) {
    std::vector<std::int64_t> idle;
    for (int i = 0; i < processors; ++i) {
        idle.push_back(base + i * 12345);
    }
    return idle;
}

void SourcesOfOneUpdate(benchmark::State& state) {
    fake::FakeServices fakes;
    platform::SystemInfo& f = fakes.system;
    f.highResolutionCount = 93784LL * 10000000;
    f.memory = {1048576000, 216739840, 4000000000, 2735803392, 2147352576, 2046217216};
    f.processorCount = 2;
    fakes.network.interfaces = {{1000, 2000}, {30, 40}};
    Settings settings;
    settings.displayItems = 1151;  // the default choice of lines
    StartTime startTime;
    const platform::ProcessorTimes readings[2] = {
        {IdleTimes(2, 0), {1, 1}, 128098047700000000},
        {IdleTimes(2, 5000000), {1, 1}, 128098047710000000}};
    CpuLoadSampler sampler{f};
    NetworkActivity monitor{fakes.network};
    int tick = 0;
    for (auto _ : state) {
        f.processorTimes = readings[tick++ % 2];
        benchmark::DoNotOptimize(UptimeText(f));
        benchmark::DoNotOptimize(startTime.Text(f, settings.timeFormat));
        benchmark::DoNotOptimize(MemoryText(f, settings));
        benchmark::DoNotOptimize(sampler.UsageText());
        benchmark::DoNotOptimize(monitor.StatusText());
    }
}
BENCHMARK(SourcesOfOneUpdate);

void ReadSixtyFourProcessorBlock(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = fake::ProcessorBlock(IdleTimes(64, 777)).bytes;
    platform::ProcessorTimes reading;
    for (auto _ : state) {
        ReadProcessorTimesFromBlock(bytes, 64, reading);
        benchmark::DoNotOptimize(reading.time);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(ReadSixtyFourProcessorBlock);

void CollectSixtyFourProcessors(benchmark::State& state) {
    fake::FakeServices fakes;
    fakes.system.processorCount = 64;
    fakes.system.processorTimes = {IdleTimes(64, 777), std::vector<std::uint8_t>(64, 1), 1};
    CpuLoadSampler sampler{fakes.system};
    for (auto _ : state) {
        sampler.Collect();
    }
}
BENCHMARK(CollectSixtyFourProcessors);

}  // namespace
}  // namespace ostrel
