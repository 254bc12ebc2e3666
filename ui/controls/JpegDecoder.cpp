#include "ui/controls/JpegDecoder.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio> // jpeglib.h uses FILE and size_t without declaring them itself
#include <limits>
#include <string>

#include <jpeglib.h>

namespace {

// libjpeg talks to its error manager through a jpeg_error_mgr pointer. Extending the
// structure keeps our way back (Escape) and the text of the fault next to it; Pub comes
// first, so the pointer libjpeg holds is also a pointer to the whole.
struct TErrorManager {
    jpeg_error_mgr Pub;
    std::jmp_buf Escape;
    char Message[JMSG_LENGTH_MAX];
};

// The level at which libjpeg reports damaged data it could step over. Levels above it
// are trace output.
constexpr int WarningLevel = -1;

} // namespace

// The callbacks are called from libjpeg's C code, so they have C linkage. They keep libjpeg's
// text and jump back to RunDecompressor: a C++ exception cannot be thrown through libjpeg's
// C frames safely, and libjpeg's own handler would print the text and end the process.
extern "C" {

[[noreturn]] static void KlarvonJpegFail(j_common_ptr info) {
    auto* errors = reinterpret_cast<TErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->Message);
    std::longjmp(errors->Escape, 1);
}

// libjpeg goes on after a warning and fills what it could not read with grey or stale
// rows; for a picture on screen that is never the better outcome, so a warning fails too.
static void KlarvonJpegMessage(j_common_ptr info, int level) {
    if (level == WarningLevel) {
        KlarvonJpegFail(info);
    }
}

// Nothing is ever written to stderr.
static void KlarvonJpegQuiet(j_common_ptr) {}

} // extern "C"

namespace klarvon {
namespace {

constexpr int RgbChannels = 3;
// Larger pictures are refused before any pixel memory is taken: a few bytes of header can
// claim 65500 x 65500 pixels, which would be 12 GB of RGB.
constexpr unsigned MaxSide = 16384;
constexpr std::size_t MaxPixels = std::size_t{8192} * 8192;
constexpr const char* ErrorPrefix = "Cannot decode picture: ";

EJpegError Failure(const std::string& reason) {
    return EJpegError(ErrorPrefix + reason);
}

void CheckSize(unsigned width, unsigned height) {
    if (width > MaxSide || height > MaxSide ||
        std::size_t{width} * std::size_t{height} > MaxPixels) {
        throw Failure(std::to_string(width) + " x " + std::to_string(height) +
                      " pixels is too large (at most " + std::to_string(MaxSide) +
                      " pixels a side and " + std::to_string(MaxPixels) + " pixels in all)");
    }
}

// Destroys the decompressor on every way out of DecodeJpeg. jpeg_destroy_decompress is
// safe on a structure that was zeroed and never (or only partly) created.
class TDecompressorGuard {
public:
    explicit TDecompressorGuard(jpeg_decompress_struct& info) : info_(info) {}
    ~TDecompressorGuard() { jpeg_destroy_decompress(&info_); }
    TDecompressorGuard(const TDecompressorGuard&) = delete;
    TDecompressorGuard& operator=(const TDecompressorGuard&) = delete;

private:
    jpeg_decompress_struct& info_;
};

// Runs libjpeg from creation to the last row. Returns false when libjpeg gave up, with
// its text in errors.Message. Everything this frame creates after setjmp is trivially
// destructible, because the jump back skips destructors; the bitmap belongs to the caller.
// Our own checks throw as usual: they run in this frame, never inside libjpeg.
bool RunDecompressor(jpeg_decompress_struct& info, TErrorManager& errors,
                     std::span<const std::uint8_t> data, TBitmap& bitmap) {
    if (setjmp(errors.Escape) != 0) {
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data.data(), static_cast<unsigned long>(data.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
        throw Failure("the data holds no picture");
    }
    CheckSize(info.image_width, info.image_height);

    // Grayscale and YCbCr sources both come out as RGB; CMYK has no conversion and
    // fails in jpeg_start_decompress.
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_components != RgbChannels) {
        throw Failure("the picture does not convert to RGB");
    }
    CheckSize(info.output_width, info.output_height);

    const std::size_t stride = std::size_t{info.output_width} * RgbChannels;
    bitmap.Width = static_cast<int>(info.output_width);
    bitmap.Height = static_cast<int>(info.output_height);
    bitmap.Rgb.resize(stride * info.output_height);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = bitmap.Rgb.data() + std::size_t{info.output_scanline} * stride;
        // A memory source never suspends, so no rows means the decoder is stuck.
        if (jpeg_read_scanlines(&info, &row, 1) != 1) {
            throw Failure("the decoder stopped before the last row");
        }
    }
    // Reads on to the end-of-image marker, so a file cut after its last row still fails.
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

TBitmap DecodeJpeg(std::span<const std::uint8_t> data) {
    // libjpeg counts input bytes in an unsigned long, which is 32 bits on some platforms.
    if (data.size() > std::numeric_limits<unsigned long>::max()) {
        throw Failure("the data is too large");
    }
    TErrorManager errors{};
    jpeg_decompress_struct info{};
    info.err = jpeg_std_error(&errors.Pub);
    errors.Pub.error_exit = KlarvonJpegFail;
    errors.Pub.emit_message = KlarvonJpegMessage;
    errors.Pub.output_message = KlarvonJpegQuiet;
    const TDecompressorGuard guard(info);

    TBitmap bitmap;
    if (!RunDecompressor(info, errors, data, bitmap)) {
        throw Failure(errors.Message);
    }
    return bitmap;
}

} // namespace klarvon
