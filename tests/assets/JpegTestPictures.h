#pragma once
// Pictures for the decoder tests: JPEG files encoded on the spot with libjpeg, and a walk
// over a file's header segments to find where to damage it.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio> // jpeglib.h uses FILE and size_t without declaring them itself
#include <cstdlib>
#include <map>
#include <memory>
#include <stdexcept>
#include <vector>

#include <jpeglib.h>

namespace klarvon::test {

using TBytes = std::vector<std::uint8_t>;

enum class TScanMode { Baseline, Progressive };

// Encodes pixels (components bytes a pixel, rows top down) at the highest quality. The
// encoder's own error handler is left in place: it only fails on a broken test.
inline TBytes EncodeJpeg(int width, int height, int components, J_COLOR_SPACE colorSpace,
                         const TBytes& pixels, TScanMode mode) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);

    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = components;
    info.in_color_space = colorSpace;
    jpeg_set_defaults(&info);
    constexpr int BestQuality = 100;
    jpeg_set_quality(&info, BestQuality, TRUE);
    if (mode == TScanMode::Progressive) {
        jpeg_simple_progression(&info);
    }
    jpeg_start_compress(&info, TRUE);
    const auto stride = static_cast<std::size_t>(width) * static_cast<std::size_t>(components);
    std::vector<unsigned char> row(stride);
    while (info.next_scanline < info.image_height) {
        const auto* source = pixels.data() + info.next_scanline * stride;
        row.assign(source, source + stride);
        JSAMPROW rowPointer = row.data();
        jpeg_write_scanlines(&info, &rowPointer, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);

    const std::unique_ptr<unsigned char, decltype(&std::free)> owned(buffer, &std::free);
    return TBytes(buffer, buffer + size);
}

// Offset of the 0xFF of each marker before the first scan, by marker code (the last one
// of a code wins), with the start of scan itself included.
inline std::map<std::uint8_t, std::size_t> HeaderMarkers(const TBytes& jpeg) {
    constexpr std::uint8_t MarkerPrefix = 0xFF;
    constexpr std::uint8_t StartOfScan = 0xDA;
    constexpr std::size_t SoiLength = 2;
    std::map<std::uint8_t, std::size_t> markers;
    std::size_t at = SoiLength;
    while (at + 4 <= jpeg.size() && jpeg[at] == MarkerPrefix) {
        const std::uint8_t code = jpeg[at + 1];
        markers[code] = at;
        if (code == StartOfScan) {
            return markers;
        }
        at += 2 + ((std::size_t{jpeg[at + 2]} << 8) | jpeg[at + 3]);
    }
    throw std::runtime_error("test picture has no start of scan");
}

} // namespace klarvon::test
