// Engine throughput: key presses through the whole core, and the readout formatting alone.

#include "model/key_codes.h"
#include "support/quiet_platform.h"
#include "text/readout_format.h"
#include "window/calculator.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string_view>

namespace {

void keyPresses(benchmark::State &state)
{
    const sorba::testing::TemporaryFolder folder;
    sorba::testing::QuietPlatform platform(folder.path());
    sorba::SettingsFile settings(folder.path(), sorba::SettingsFile::Fallback::None);
    sorba::Calculator calc(platform, settings);
    calc.load();
    // A typical sequence: a sum, a product, a percentage and a clear.
    constexpr std::u32string_view keys = U"1234.5+678=*3=200*5%=c";
    for (auto _ : state) {
        for (std::size_t at = 0; at < keys.size(); ++at) {
            calc.keyPress(sorba::keyCode(sorba::VirtualKey::None), 0, keys.substr(at, 1));
            platform.postedEnters.deliver(calc);
        }
        benchmark::DoNotOptimize(calc.readout());
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(keys.size()));
}
BENCHMARK(keyPresses);

void formatReadoutCalls(benchmark::State &state)
{
    const double values[] = {0, 1234, -1234.5, 1.0 / 3, 0.1 + 0.2, 123456789012.345, 1e20};
    for (auto _ : state) {
        for (const double value : values)
            benchmark::DoNotOptimize(sorba::formatReadout(value, sorba::standardPattern));
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(std::size(values)));
}
BENCHMARK(formatReadoutCalls);

} // namespace

BENCHMARK_MAIN();
