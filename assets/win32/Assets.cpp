#include "assets/Assets.h"
#include "assets/win32/AssetIds.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <stdexcept>
#include <string_view>

namespace klarvon {
namespace {

// The paths the windows name their pictures by, and the executable's resources that hold
// them.
struct TAssetResource {
    std::string_view Path;
    int Id;
};

constexpr TAssetResource AssetResources[] = {
    {MainBackgroundAsset, KLARVON_MAIN_BACKGROUND_ID},
    {AboutBackgroundAsset, KLARVON_ABOUT_BACKGROUND_ID},
};

} // namespace

std::vector<std::uint8_t> ReadAsset(const std::string& path) {
    for (const TAssetResource& asset : AssetResources) {
        if (asset.Path != path) {
            continue;
        }
        // RT_RCDATA, spelled out: the header's macro is a cast the warnings reject.
        const auto* rawData = MAKEINTRESOURCEW(10);
        HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(asset.Id), rawData);
        HGLOBAL loaded = found != nullptr ? LoadResource(nullptr, found) : nullptr;
        const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
        if (bytes == nullptr) {
            throw std::runtime_error("Cannot read picture " + path);
        }
        const auto* first = static_cast<const std::uint8_t*>(bytes);
        return std::vector<std::uint8_t>(first, first + SizeofResource(nullptr, found));
    }
    throw std::runtime_error("Cannot open picture " + path);
}

} // namespace klarvon
