// The decoder on the committed backgrounds, on pictures damaged in every way a file can be
// damaged, and on small pictures of each kind it must turn into RGB.

#include "JpegTestPictures.h"

#include "assets/Assets.h"
#include "ui/controls/JpegDecoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <random>
#include <string>

namespace klarvon::test {
namespace {

constexpr std::uint8_t StartOfFrame = 0xC0; // baseline
constexpr std::uint8_t ProgressiveFrame = 0xC2;
constexpr std::uint8_t StartOfScan = 0xDA;
constexpr std::uint8_t EndOfImage = 0xD9;

// Offsets inside a start-of-frame segment, from its 0xFF.
constexpr std::size_t FrameHeightAt = 5;
constexpr std::size_t FrameWidthAt = 7;

const std::string ErrorPrefix = "Cannot decode picture: ";

void SetFrameSize(TBytes& jpeg, unsigned width, unsigned height) {
    const std::size_t frame = HeaderMarkers(jpeg).at(StartOfFrame);
    jpeg[frame + FrameHeightAt] = static_cast<std::uint8_t>(height >> 8);
    jpeg[frame + FrameHeightAt + 1] = static_cast<std::uint8_t>(height);
    jpeg[frame + FrameWidthAt] = static_cast<std::uint8_t>(width >> 8);
    jpeg[frame + FrameWidthAt + 1] = static_cast<std::uint8_t>(width);
}

double MeanLuma(const TBitmap& bitmap, int firstRow, int lastRow, int columns) {
    double sum = 0;
    for (int y = firstRow; y < lastRow; ++y) {
        for (int x = 0; x < columns; ++x) {
            const std::size_t at = (static_cast<std::size_t>(y) * bitmap.Width + x) * 3;
            sum += 0.299 * bitmap.Rgb[at] + 0.587 * bitmap.Rgb[at + 1] + 0.114 * bitmap.Rgb[at + 2];
        }
    }
    return sum / (static_cast<double>(lastRow - firstRow) * columns);
}

// --- The committed backgrounds -------------------------------------------------------

struct TAssetCase {
    const char* Name;
    const char* Path;
    int Width;
    int Height;
    // The part of the picture a window shows, and how bright it must be on average:
    // light behind the main window's pale controls, dark behind the About window's
    // fuchsia and white text.
    int FirstShownRow;
    int LastShownRow;
    int ShownColumns;
    double MinLuma;
    double MaxLuma;
};

void PrintTo(const TAssetCase& c, std::ostream* out) {
    *out << c.Name;
}

class AssetPicture : public testing::TestWithParam<TAssetCase> {};

TEST_P(AssetPicture, DecodesToItsSizeAndLooksAsItsWindowNeeds) {
    const TAssetCase& c = GetParam();
    const TBytes jpeg = ReadAsset(c.Path);

    // The pictures ship as baseline JPEG, the only kind the program promises to read.
    const auto markers = HeaderMarkers(jpeg);
    EXPECT_TRUE(markers.contains(StartOfFrame));
    EXPECT_FALSE(markers.contains(ProgressiveFrame));

    const TBitmap bitmap = DecodeJpeg(jpeg);
    ASSERT_EQ(bitmap.Width, c.Width);
    ASSERT_EQ(bitmap.Height, c.Height);
    ASSERT_EQ(bitmap.Rgb.size(), static_cast<std::size_t>(c.Width) * c.Height * 3);

    const double luma = MeanLuma(bitmap, c.FirstShownRow, c.LastShownRow, c.ShownColumns);
    EXPECT_GE(luma, c.MinLuma);
    EXPECT_LE(luma, c.MaxLuma);
}

INSTANTIATE_TEST_SUITE_P(
    Backgrounds, AssetPicture,
    testing::Values(
        // Main window: rows 136 to 552 and up to 799 columns when widened.
        TAssetCase{"Main", MainBackgroundAsset, 896, 717, 136, 553, 799, 150, 255},
        // About window: 235 x 241 stretched from the whole picture.
        TAssetCase{"About", AboutBackgroundAsset, 1024, 768, 0, 768, 1024, 0, 90}),
    [](const testing::TestParamInfo<TAssetCase>& param) { return std::string(param.param.Name); });

TEST(Assets, MissingAssetIsAnErrorNamingIt) {
    try {
        ReadAsset(":/assets/no-such-picture.jpg");
        FAIL() << "read a resource that does not exist";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot open picture :/assets/no-such-picture.jpg");
    }
}

// --- Damaged and unsuitable pictures ----------------------------------------------------

TBytes Cut(const TBytes& jpeg, std::size_t size) {
    return TBytes(jpeg.begin(), jpeg.begin() + static_cast<std::ptrdiff_t>(size));
}

TBytes RandomBytes(std::size_t count, std::uint32_t seed) {
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    TBytes bytes(count);
    std::generate(bytes.begin(), bytes.end(),
                  [&] { return static_cast<std::uint8_t>(byte(generator)); });
    return bytes;
}

TBytes CmykPicture() {
    constexpr int Side = 16;
    constexpr int Channels = 4;
    TBytes ink(static_cast<std::size_t>(Side) * Side * Channels, 0x40);
    return EncodeJpeg(Side, Side, Channels, JCS_CMYK, ink, TScanMode::Baseline);
}

struct TDamageCase {
    const char* Name;
    // Makes the damaged file from the main background's bytes.
    std::function<TBytes(const TBytes&)> Damage;
    // Part of the reason that must follow the prefix.
    const char* Reason;
};

void PrintTo(const TDamageCase& c, std::ostream* out) {
    *out << c.Name;
}

class DamagedPicture : public testing::TestWithParam<TDamageCase> {};

TEST_P(DamagedPicture, RaisesAClearError) {
    const TDamageCase& c = GetParam();
    const TBytes damaged = c.Damage(ReadAsset(MainBackgroundAsset));
    try {
        DecodeJpeg(damaged);
        FAIL() << "decoded a damaged picture";
    } catch (const EJpegError& error) {
        const std::string text = error.what();
        EXPECT_TRUE(text.starts_with(ErrorPrefix)) << text;
        EXPECT_GT(text.size(), ErrorPrefix.size()) << "no reason given";
        EXPECT_NE(text.find(c.Reason), std::string::npos) << text;
    }
}

const TDamageCase DamageCases[] = {
    {"Empty", [](const TBytes&) { return TBytes{}; }, "Empty input file"},
    {"OnlyTheStartMarker", [](const TBytes& j) { return Cut(j, 2); }, "Premature end of JPEG file"},
    {"CutInsideTheHeader", [](const TBytes& j) { return Cut(j, 40); },
     "Premature end of JPEG file"},
    {"CutBeforeTheScan", [](const TBytes& j) { return Cut(j, HeaderMarkers(j).at(StartOfScan)); },
     "Premature end of JPEG file"},
    {"CutInTheMiddleOfTheScan", [](const TBytes& j) { return Cut(j, j.size() / 2); },
     "Premature end of JPEG file"},
    {"CutBeforeTheEndMarker", [](const TBytes& j) { return Cut(j, j.size() - 2); },
     "Premature end of JPEG file"},
    {"CutInsideTheEndMarker", [](const TBytes& j) { return Cut(j, j.size() - 1); },
     "Premature end of JPEG file"},
    {"EndMarkerInTheMiddleOfTheScan",
     [](const TBytes& j) {
         TBytes d = j;
         const std::size_t middle = j.size() / 2;
         d[middle] = 0xFF;
         d[middle + 1] = EndOfImage;
         return d;
     },
     "Corrupt JPEG data: premature end of data segment"},
    {"FlippedStartMarker",
     [](const TBytes& j) {
         TBytes d = j;
         d[1] ^= 0xFF;
         return d;
     },
     "Not a JPEG file: starts with 0xff 0x27"},
    {"FlippedFrameMarker",
     [](const TBytes& j) {
         TBytes d = j;
         d[HeaderMarkers(j).at(StartOfFrame) + 1] ^= 0xFF;
         return d;
     },
     "Unsupported marker type 0x3f"},
    {"FlippedFrameLength",
     [](const TBytes& j) {
         TBytes d = j;
         d[HeaderMarkers(j).at(StartOfFrame) + 3] ^= 0xFF;
         return d;
     },
     "Bogus marker length"},
    {"PngSignature",
     [](const TBytes&) {
         return TBytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n',
                       0,    0,   0,   13,  'I',  'H',  'D',  'R'};
     },
     "Not a JPEG file: starts with 0x89 0x50"},
    {"RandomBytes", [](const TBytes&) { return RandomBytes(4096, 7); }, "Not a JPEG file"},
    {"RandomBytesAfterTheStartMarker",
     [](const TBytes& j) {
         TBytes d = Cut(j, 2);
         const TBytes noise = RandomBytes(4096, 11);
         d.insert(d.end(), noise.begin(), noise.end());
         return d;
     },
     // What libjpeg trips over first depends on the noise, which may differ between
     // standard libraries; any stated reason will do.
     ""},
    {"ZeroHeight",
     [](const TBytes& j) {
         TBytes d = j;
         SetFrameSize(d, 896, 0);
         return d;
     },
     "Empty JPEG image"},
    {"HugeDeclaredSize",
     [](const TBytes& j) {
         TBytes d = j;
         SetFrameSize(d, 20000, 20000);
         return d;
     },
     "20000 x 20000 pixels is too large"},
    {"TooManyPixelsWithinTheSideLimit",
     [](const TBytes& j) {
         TBytes d = j;
         SetFrameSize(d, 16384, 16384);
         return d;
     },
     "16384 x 16384 pixels is too large"},
    {"LargerThanJpegAllows",
     [](const TBytes& j) {
         TBytes d = j;
         SetFrameSize(d, 65535, 65535);
         return d;
     },
     "Maximum supported image dimension is 65500 pixels"},
    {"CmykHasNoRgbForm", [](const TBytes&) { return CmykPicture(); },
     "Unsupported color conversion request"},
};

INSTANTIATE_TEST_SUITE_P(Damage, DamagedPicture, testing::ValuesIn(DamageCases),
                         [](const testing::TestParamInfo<TDamageCase>& param) {
                             return std::string(param.param.Name);
                         });

// A failed decode must leave nothing behind that spoils the next one.
TEST(JpegDecoder, DecodesAgainAfterAFailure) {
    const TBytes good = ReadAsset(AboutBackgroundAsset);
    EXPECT_THROW(DecodeJpeg(Cut(good, good.size() / 3)), EJpegError);
    const TBitmap bitmap = DecodeJpeg(good);
    EXPECT_EQ(bitmap.Width, 1024);
    EXPECT_EQ(bitmap.Height, 768);
}

// --- Small pictures of every supported kind ----------------------------------------------

// Odd sizes, so the last block row and column are partial.
constexpr int SmallWidth = 37;
constexpr int SmallHeight = 23;
// Quality 100 still rounds; solid areas come back within a few levels.
constexpr int Tolerance = 6;

struct TKindCase {
    const char* Name;
    bool Gray;
    TScanMode Mode;
};

void PrintTo(const TKindCase& c, std::ostream* out) {
    *out << c.Name;
}

class SmallPicture : public testing::TestWithParam<TKindCase> {};

// Gray: brightness rises left to right and top to bottom. Colour: four solid quarters,
// red top left, green top right, blue bottom left, white bottom right, so a picture
// mirrored, upside down or with its channels swapped cannot pass.
std::array<std::uint8_t, 3> Expected(const TKindCase& c, int x, int y) {
    if (c.Gray) {
        const auto level = static_cast<std::uint8_t>(x * 6 + y * 1);
        return {level, level, level};
    }
    const bool right = x >= SmallWidth / 2;
    const bool bottom = y >= SmallHeight / 2;
    if (!bottom) {
        return right ? std::array<std::uint8_t, 3>{0, 255, 0}
                     : std::array<std::uint8_t, 3>{255, 0, 0};
    }
    return right ? std::array<std::uint8_t, 3>{255, 255, 255}
                 : std::array<std::uint8_t, 3>{0, 0, 255};
}

TEST_P(SmallPicture, DecodesToRgbTopDown) {
    const TKindCase& c = GetParam();
    const int channels = c.Gray ? 1 : 3;
    TBytes pixels;
    for (int y = 0; y < SmallHeight; ++y) {
        for (int x = 0; x < SmallWidth; ++x) {
            const auto rgb = Expected(c, x, y);
            pixels.insert(pixels.end(), rgb.begin(), rgb.begin() + channels);
        }
    }
    const TBytes jpeg = EncodeJpeg(SmallWidth, SmallHeight, channels,
                                   c.Gray ? JCS_GRAYSCALE : JCS_RGB, pixels, c.Mode);

    const TBitmap bitmap = DecodeJpeg(jpeg);
    ASSERT_EQ(bitmap.Width, SmallWidth);
    ASSERT_EQ(bitmap.Height, SmallHeight);
    ASSERT_EQ(bitmap.Rgb.size(), static_cast<std::size_t>(SmallWidth) * SmallHeight * 3);

    // Colour edges ring a little; judge the colour pictures away from the quarter borders.
    constexpr int EdgeMargin = 4;
    for (int y = 0; y < SmallHeight; ++y) {
        for (int x = 0; x < SmallWidth; ++x) {
            if (!c.Gray && (std::abs(x - SmallWidth / 2) < EdgeMargin ||
                            std::abs(y - SmallHeight / 2) < EdgeMargin)) {
                continue;
            }
            const auto expected = Expected(c, x, y);
            const std::size_t at = (static_cast<std::size_t>(y) * SmallWidth + x) * 3;
            for (int k = 0; k < 3; ++k) {
                ASSERT_NEAR(bitmap.Rgb[at + k], expected[k], Tolerance)
                    << "pixel " << x << "," << y << " channel " << k;
            }
            if (c.Gray) {
                ASSERT_EQ(bitmap.Rgb[at], bitmap.Rgb[at + 1]);
                ASSERT_EQ(bitmap.Rgb[at], bitmap.Rgb[at + 2]);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, SmallPicture,
    testing::Values(TKindCase{"GrayBaseline", true, TScanMode::Baseline},
                    TKindCase{"GrayProgressive", true, TScanMode::Progressive},
                    TKindCase{"ColourBaseline", false, TScanMode::Baseline},
                    TKindCase{"ColourProgressive", false, TScanMode::Progressive}),
    [](const testing::TestParamInfo<TKindCase>& param) { return std::string(param.param.Name); });

} // namespace
} // namespace klarvon::test
