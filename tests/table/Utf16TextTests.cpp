// Paths and messages crossing into UTF-16: every name Windows allows must come back to
// the system exactly as it left, and nothing that is not UTF-8 may name another file.

#include "table/Utf16Text.h"

#include <gtest/gtest.h>

#include <string>

namespace klarvon {
namespace {

TEST(Utf16Text, NamesRoundTripExactly) {
    const struct {
        const char* Name;
        std::string Utf8;
        std::u16string Utf16;
    } cases[] = {
        {"empty", "", u""},
        {"ASCII", "gta_sa.exe", u"gta_sa.exe"},
        {"Latin-1", "caf\xC3\xA9", u"caf\u00E9"},
        {"Cyrillic", "\xD0\x98\xD0\xB3\xD1\x80\xD1\x8B", u"\u0418\u0433\u0440\u044B"},
        {"Polish", "\xC5\x81\xC3\xB3\x64\xC5\xBA", u"\u0141\u00F3d\u017A"},
        {"outside the BMP", "\xF0\x9D\x84\x9E.exe", u"\U0001D11E.exe"},
        {"highest code point", "\xF4\x8F\xBF\xBF", u"\U0010FFFF"},
        // Windows allows a surrogate without its partner in a name.
        {"lone high surrogate", "a\xED\xA0\x80z", std::u16string{u'a', 0xD800, u'z'}},
        {"lone low surrogate at the end", "a\xED\xBF\xBF", std::u16string{u'a', 0xDFFF}},
        {"reversed pair", "\xED\xB0\x80\xED\xA0\x80", std::u16string{0xDC00, 0xD800}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(Utf8FromUtf16(c.Utf16), c.Utf8);
        const auto wide = Utf16FromUtf8(c.Utf8);
        ASSERT_TRUE(wide.has_value());
        EXPECT_EQ(*wide, c.Utf16);
        EXPECT_EQ(DisplayUtf16(c.Utf8), c.Utf16);
    }
}

// Bytes that are not UTF-8 are refused as a path, never guessed at; shown in a message,
// each broken byte is one replacement character.
TEST(Utf16Text, BrokenBytesAreRefusedAsPathsAndReplacedInMessages) {
    const struct {
        const char* Name;
        std::string Bytes;
        std::u16string Shown;
    } cases[] = {
        {"ANSI e acute", "caf\xE9", u"caf\uFFFD"},
        {"cut at the end", "x\xD0", u"x\uFFFD"},
        {"cut by another lead", "\xE2\x82x", u"\uFFFD\uFFFDx"},
        {"stray continuation", "\x80z", u"\uFFFDz"},
        {"overlong slash", "\xC0\xAF", u"\uFFFD\uFFFD"},
        {"overlong three bytes", "\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},
        {"past U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"never a lead", "\xFF", u"\uFFFD"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_FALSE(Utf16FromUtf8(c.Bytes).has_value());
        EXPECT_EQ(DisplayUtf16(c.Bytes), c.Shown);
    }
}

} // namespace
} // namespace klarvon
