#pragma once
// A full-size install of the game's sound files for the benchmarks: the nine stock packages
// at their stock sizes, 710 banks back to back at the stock banks' sizes, each with a real
// header of three sounds. The PCM is left as holes (a sparse file), so the 2 GB of
// packages take a few MB of disk, but for the banks whose sounds are played, which hold
// real samples.

#include <filesystem>
#include <set>

namespace klarvon::bench {

// Builds it under folder (once; an existing build is kept) and returns folder.
const std::filesystem::path& FullSizeInstall(const std::filesystem::path& folder,
                                             const std::set<int>& banksWithSamples);

} // namespace klarvon::bench
