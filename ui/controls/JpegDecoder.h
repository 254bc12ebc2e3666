#pragma once
// JPEG pictures into plain RGB bitmaps, with libjpeg-turbo and without any toolkit, so the
// window backgrounds can be decoded the same way whatever draws them.

#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

namespace klarvon {

// A decoded picture: Width x Height pixels, 3 bytes (red, green, blue) a pixel, rows top
// down with no padding between them.
struct TBitmap {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint8_t> Rgb;
};

// A picture that cannot be shown: damaged, cut short, not a JPEG, too large or of a
// colour model that has no RGB form. what() reads "Cannot decode picture: " followed by
// the reason, in libjpeg's own words where libjpeg found the fault.
class EJpegError : public std::runtime_error {
public:
    using runtime_error::runtime_error;
};

// Decodes a whole JPEG picture (colour or grayscale) into RGB. Any fault in the data,
// including what libjpeg would only warn about (corrupt entropy data, a missing end of
// image), raises EJpegError, so a damaged picture never shows as half garbage.
TBitmap DecodeJpeg(std::span<const std::uint8_t> data);

} // namespace klarvon
