// A cfg of 5,000 added vehicles, as the biggest mod packs make it: read as a document, one
// row and one new model edited, the text produced. The whole of a command's work on a cfg
// but the file itself, which must stay well under 50 ms.

#include "exchange/CfgDocument.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using namespace klarvon;
using namespace klarvon::exchange;

constexpr int AddedVehicles = 5000;

std::string BigCfg() {
    std::string text = "; Vehicle audio settings\r\n; A          B  C    D    E\r\n";
    for (int i = 0; i < AddedVehicles; ++i) {
        text += "modcar" + std::to_string(i) + "   " + std::to_string(i % 11) + "  " +
                std::to_string(i % 411) + "  " + std::to_string((i * 7) % 411) +
                "  0  0.78  1.0  7  1.0  2  " + std::to_string(i % 256 - 128) +
                "  8  0  0  -1.5\r\n";
    }
    return text + ";the end\r\n";
}

void CfgReadEditWrite(benchmark::State& state) {
    const std::string text = BigCfg();
    for (auto _ : state) {
        const TCfgDocument document(text);
        const TCfgDocumentRow* row = document.EffectiveRow("MODCAR2500");
        std::vector<TCfgEdit> edits{{row->Row.Model, row->Row.Values},
                                    {"brandnewcar", row->Row.Values}};
        edits[0].Values[1] = 410;
        const std::string edited = document.Edited(edits);
        benchmark::DoNotOptimize(edited.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

BENCHMARK(CfgReadEditWrite)->Unit(benchmark::kMillisecond);

} // namespace
