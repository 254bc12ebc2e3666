#include "table/Errors.h"
#include "table/TextConversions.h"
#include "table/ValueType.h"
#include "table/VehicleAudioRecord.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>

namespace klarvon {
namespace {

// The error must be of exactly this kind and carry exactly this text.
template <typename TError, typename TAction>
void ExpectError(TAction action, const std::string& message) {
    try {
        action();
        ADD_FAILURE() << "no error, expected \"" << message << "\"";
    } catch (const TError& error) {
        EXPECT_STREQ(error.what(), message.c_str());
    }
}

struct TIntegerText {
    const char* Text;
    std::int32_t Value;
};

TEST(IntegerText, AcceptedSyntax) {
    const TIntegerText cases[] = {
        {"0", 0},
        {"-0", 0},
        {"   12", 12},
        {"+5", 5},
        {"-5", -5},
        {"012", 12},
        {"$1F", 31},
        {"x1f", 31},
        {"X1F", 31},
        {"0x1F", 31},
        {"0X1f", 31},
        {"-$1", -1},
        {"$FFFFFFFF", -1},
        {"$000000001", 1},
        {"$80000000", INT32_MIN},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"0000000000000000000042", 42},
    };
    for (const TIntegerText& c : cases) {
        EXPECT_EQ(ParseInteger(c.Text), c.Value) << c.Text;
    }
}

TEST(IntegerText, RejectedSyntaxQuotesTheTextAsEntered) {
    const char* const cases[] = {
        "",     " ",   "+",   "-",    "$",          "0x",          "12a",
        "12 ",  "- 5", "\t5", "+-1",  "1.0",        "1,000",       "1e3",
        "0x-1", "$ 1", "$G",  "00x1", "2147483648", "-2147483649", "$100000000",
    };
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        ExpectError<EConvertError>([&] { ParseInteger(text); },
                                   std::string("'") + text + "' is not a valid integer value");
    }
}

std::int64_t ParseInt16(std::string_view text) {
    return IntegerValue(TValueType::Int16, ParseValue(TValueType::Int16, text, '.'));
}

std::int64_t ParseUInt8(std::string_view text) {
    return IntegerValue(TValueType::UInt8, ParseValue(TValueType::UInt8, text, '.'));
}

TEST(IntegerText, FieldTypesCheckTheirRange) {
    EXPECT_EQ(ParseInt16("-32768"), INT16_MIN);
    EXPECT_EQ(ParseInt16("$FFFFFFFF"), -1);
    EXPECT_EQ(ParseUInt8("255"), 255);
    EXPECT_EQ(ParseUInt8("$FF"), 255);
    for (const char* text : {"32768", "-32769", "$FFFF"}) {
        ExpectError<ERangeError>([&] { ParseInt16(text); }, "Range check error");
    }
    for (const char* text : {"256", "-1", "$FFFFFFFF"}) {
        ExpectError<ERangeError>([&] { ParseUInt8(text); }, "Range check error");
    }
    // Bad syntax is reported as such, before any range check.
    ExpectError<EConvertError>([] { ParseInt16("99999999999"); },
                               "'99999999999' is not a valid integer value");
}

struct TFormatCase {
    TFieldBits Bits;
    char Separator;
    const char* Text;
};

TFieldBits Bits(float value) {
    return std::bit_cast<TFieldBits>(value);
}

TEST(FloatText, FormatsFifteenDigitsOfTheWidenedValue) {
    const TFormatCase cases[] = {
        {Bits(0.005F), '.', "0.00499999988824129"},
        {Bits(3.6F), '.', "3.59999990463257"},
        {Bits(50.0F), '.', "50"},
        {Bits(0.1F), '.', "0.100000001490116"},
        {Bits(0.0001F), '.', "9.99999974737875E-5"},
        {Bits(1E20F), '.', "1.00000002004088E20"},
        {Bits(0.78F), '.', "0.779999971389771"},
        // Either side of both ends of plain notation.
        {Bits(0.0002F), '.', "0.000199999994947575"},
        {Bits(1E15F), '.', "999999986991104"},
        {0x58800000, '.', "1.12589990684262E15"}, // 2^50
        {Bits(1E16F), '.', "1.00000002725642E16"},
        {Bits(-1.5F), ',', "-1,5"},
        {Bits(0.1F), ',', "0,100000001490116"},
        // 2^-22 is exactly 2.384185791015625E-7: a true tie at the 16th digit, rounded up.
        {0x34800000, '.', "2.38418579101563E-7"},
        {0xB4800000, '.', "-2.38418579101563E-7"},
        {0x7F7FFFFF, '.', "3.40282346638529E38"},  // largest float
        {0x00000001, '.', "1.40129846432482E-45"}, // smallest denormal
        {0x007FFFFF, '.', "1.17549421069244E-38"}, // largest denormal
        {0x00800000, '.', "1.17549435082229E-38"}, // smallest normal
        {0x00000000, '.', "0"},
        {0x80000000, '.', "0"},
        {0x7F800000, '.', "INF"},
        {0xFF800000, '.', "-INF"},
        {0x7FC00000, '.', "NAN"},
        {0xFFC00001, '.', "NAN"},
    };
    for (const TFormatCase& c : cases) {
        EXPECT_EQ(FormatFloat32(c.Bits, c.Separator), c.Text) << std::hex << c.Bits;
    }
}

TEST(FloatText, SignallingNanCannotBeShown) {
    for (const TFieldBits bits : {0x7F800001U, 0x7FBFFFFFU, 0xFF800001U}) {
        ExpectError<EInvalidOp>([&] { FormatFloat32(bits, '.'); },
                                "Invalid floating point operation");
    }
}

struct TParseCase {
    const char* Text;
    char Separator;
    TFieldBits Bits;
};

TEST(FloatText, AcceptedSyntax) {
    const TParseCase cases[] = {
        {"1.5", '.', Bits(1.5F)},
        {"  -1.5  ", '.', Bits(-1.5F)},
        {"+.5", '.', Bits(0.5F)},
        {"5.", '.', Bits(5.0F)},
        {".", '.', Bits(0.0F)},
        {"-.", '.', Bits(-0.0F)},
        {"-0", '.', Bits(-0.0F)},
        {"1,5", ',', Bits(1.5F)},
        {"1E", '.', Bits(1.0F)},
        {"1E+", '.', Bits(1.0F)},
        {"1e-", '.', Bits(1.0F)},
        {"2.5e+2", '.', Bits(250.0F)},
        {"012", '.', Bits(12.0F)},
        {"1E0000038", '.', Bits(1E38F)},
        {"0.00499999988824129", '.', Bits(0.005F)},
        {"3.40282346638529E38", '.', 0x7F7FFFFF},
        {"1E-45", '.', 0x00000001},
        {"-1E-50", '.', 0x80000000},
        {"1E-4999", '.', 0x00000000},
        {"0E4999", '.', 0x00000000},
        // Overflow starts at 2^128 - 2^103. One extended step (2^64) below it still
        // rounds down to the largest float, and so does the 17-digit rendering of the
        // threshold, which lies 88 extended steps below it.
        {"340282356779733661619092651384433016832", '.', 0x7F7FFFFF},
        {"3.4028235677973366E38", '.', 0x7F7FFFFF},
    };
    for (const TParseCase& c : cases) {
        EXPECT_EQ(Bits(ParseFloat32(c.Text, c.Separator)), c.Bits) << c.Text;
    }
}

TEST(FloatText, RejectedSyntaxQuotesTheTextAsEntered) {
    const TParseCase cases[] = {
        {"", '.', 0},        {"  ", '.', 0},     {"-", '.', 0},       {"+-1", '.', 0},
        {"E5", '.', 0},      {"1.5.2", '.', 0},  {"1,5", '.', 0},     {"1.5", ',', 0},
        {"1 5", '.', 0},     {"- 1", '.', 0},    {"1E 5", '.', 0},    {"\t1", '.', 0},
        {"1E5000", '.', 0},  {"1E4999", '.', 0}, {"INF", '.', 0},     {"NAN", '.', 0},
        {"1E-5000", '.', 0}, {"0E5000", '.', 0}, // a fourth exponent digit stays unread
        {"$10", '.', 0},     {"1E5.5", '.', 0},  {"1,000.5", '.', 0},
    };
    for (const TParseCase& c : cases) {
        SCOPED_TRACE(c.Text);
        ExpectError<EConvertError>([&] { ParseFloat32(c.Text, c.Separator); },
                                   std::string("'") + c.Text +
                                       "' is not a valid floating point value");
    }
}

TEST(FloatText, TooLargeForFloat32Overflows) {
    for (const char* text :
         {"1E39", "-1E39", "1E500", "3.40282357E38", "340282356779733661637539395458142568448",
          // below the threshold as text, but within half an extended
          // step of it, so it rounds onto it
          "340282356779733661637539395458142568447"}) {
        SCOPED_TRACE(text);
        ExpectError<EOverflow>([&] { ParseFloat32(text, '.'); }, "Floating point overflow");
    }
}

struct TFieldCase {
    TField Field;
    TFieldBits Bits;
    const char* Text;
};

TEST(FieldText, KindPicksTheConversion) {
    const TFieldCase cases[] = {
        {TField::PowerOnSoundId, 0xFFFF, "-1"},
        {TField::HornType, 0x80000000, "-2147483648"},
        {TField::Unknown4, 0xFF, "255"},
        {TField::Unknown7, Bits(0.1F), "0,100000001490116"},
    };
    for (const TFieldCase& c : cases) {
        const TLayoutField& field = EditorField(c.Field);
        EXPECT_EQ(FormatValue(field.Type, c.Bits, ','), c.Text) << field.Name;
        EXPECT_EQ(ParseValue(field.Type, c.Text, ','), c.Bits) << field.Name;
    }
    EXPECT_EQ(ParseValue(EditorField(TField::HornType).Type, "$FFFFFFFF", '.'), 0xFFFFFFFFU);
    EXPECT_THROW(ParseValue(EditorField(TField::Unknown1).Type, "32768", '.'), ERangeError);
    EXPECT_THROW(ParseValue(EditorField(TField::Unknown8).Type, "-1", '.'), ERangeError);
}

TEST(FieldText, EveryShortIntegerPatternRoundTrips) {
    for (const TLayoutField& field : EditorLayout()) {
        if (field.Type != TValueType::Int16 && field.Type != TValueType::UInt8) {
            continue;
        }
        const TFieldBits patterns = TFieldBits{1} << (8 * TypeWidth(field.Type));
        for (TFieldBits bits = 0; bits < patterns; ++bits) {
            ASSERT_EQ(ParseValue(field.Type, FormatValue(field.Type, bits, '.'), '.'), bits)
                << field.Name;
        }
    }
}

} // namespace
} // namespace klarvon
