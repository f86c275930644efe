#include "common/conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

using namespace std::string_literals;

TEST(CutAtNull, KeepsTextBeforeFirstNul) {
    struct Case {
        std::string in;
        std::string out;
    };
    const Case cases[] = {
        {"abc\0def"s, "abc"},
        {"abc\0\0\0"s, "abc"},
        {"\0abc"s, ""},
        {"abc"s, ""},  // no NUL: nothing counts as read
        {""s, ""},
        {"a\0b\0c"s, "a"},
    };
    for (const auto& c : cases) EXPECT_EQ(common::CutAtNull(c.in), c.out) << c.in;
}

TEST(LeadingNumber, ReadsTheNumberAtTheStart) {
    struct Case {
        std::string in;
        double out;
    };
    const Case cases[] = {
        {"12", 12},
        {"   7abc", 7},
        {"\t-3.5x", -3.5},
        {"+4", 4},
        {"1.2.3", 1.2},
        {".5", 0.5},
        {"5.", 5},
        {"1e3", 1000},
        {"2D2", 200},
        {"1E-2", 0.01},
        {"1e", 1},      // exponent without digits is not part of the number
        {"1e+", 1},
        {"3E+x", 3},
        {"1,5", 1},
        {"1 2", 1},
        {"8421376", 8421376},
        {"12\0" "34"s, 12},
        {"", 0},
        {"   ", 0},
        {"abc", 0},
        {"-", 0},
        {".", 0},
        {"-.", 0},
        {"e5", 0},
        {"+-1", 0},
        {"0.0000000000000000000000000000000000000000001e-400", 0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(common::LeadingNumber(c.in), c.out) << c.in;
}

TEST(LeadingNumber, HugeAndLongInputsStayFinite) {
    EXPECT_EQ(common::LeadingNumber("1e999999999999999999999999"),
              std::numeric_limits<double>::infinity());
    EXPECT_EQ(common::LeadingNumber("-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(common::LeadingNumber("1e-999999999999999999999999"), 0.0);
    EXPECT_EQ(common::LeadingNumber("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(common::LeadingNumber(std::string(400, '9')),
              std::numeric_limits<double>::infinity());
    // A long run of digits is read exactly to the nearest double.
    EXPECT_DOUBLE_EQ(common::LeadingNumber("1" + std::string(100000, '0') + "e-100000"), 1.0);
    EXPECT_DOUBLE_EQ(common::LeadingNumber(std::string(100000, ' ') + "42"), 42.0);
}

TEST(ToInteger, RoundsHalfToEven) {
    struct Case {
        std::string in;
        std::int32_t out;
    };
    const Case cases[] = {
        {"0.5", 0},  {"1.5", 2},    {"2.5", 2},    {"3.5", 4},  {"-0.5", 0},
        {"-1.5", -2}, {"-2.5", -2}, {"2.4999", 2}, {"2.5001", 3}, {"1e1", 10},
        {"25e-1", 2}, {"  42  ", 42}, {"\t+7\r\n", 7}, {"007", 7},  {"5.", 5},
        {".5", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(common::ToInteger32(c.in), c.out) << c.in;
        EXPECT_EQ(common::ToInteger16(c.in), static_cast<std::int16_t>(c.out)) << c.in;
    }
}

TEST(ToInteger, ChecksTheRangeAfterRounding) {
    EXPECT_EQ(common::ToInteger16("32767"), 32767);
    EXPECT_EQ(common::ToInteger16("32767.4"), 32767);
    EXPECT_EQ(common::ToInteger16("32767.5"), std::nullopt);
    EXPECT_EQ(common::ToInteger16("32768"), std::nullopt);
    EXPECT_EQ(common::ToInteger16("-32768.5"), -32768);
    EXPECT_EQ(common::ToInteger16("-32769"), std::nullopt);
    EXPECT_EQ(common::ToInteger16("8421376"), std::nullopt);

    EXPECT_EQ(common::ToInteger32("2147483647"), 2147483647);
    EXPECT_EQ(common::ToInteger32("2147483647.5"), std::nullopt);
    EXPECT_EQ(common::ToInteger32("2147483648"), std::nullopt);
    EXPECT_EQ(common::ToInteger32("-2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(common::ToInteger32("-2147483649"), std::nullopt);
    EXPECT_EQ(common::ToInteger32("16777215"), 16777215);
    EXPECT_EQ(common::ToInteger32("1e400"), std::nullopt);
    EXPECT_EQ(common::ToInteger32("1e-400"), 0);
    EXPECT_EQ(common::ToInteger32(std::string(5000, '9')), std::nullopt);
}

TEST(ToInteger, RejectsAnythingButAWholeNumber) {
    for (const std::string& in : {""s, "   "s, "abc"s, "12abc"s, "1 2"s, "-"s, "."s, "1e"s,
                                 "1.2.3"s, "0x10"s, "inf"s, "nan"s, "12\0"s, "\0" "12"s,
                                 "--1"s, "1,5"s}) {
        EXPECT_EQ(common::ToInteger32(in), std::nullopt) << in;
        EXPECT_EQ(common::ToInteger16(in), std::nullopt) << in;
    }
}

TEST(ToBoolean, ReadsWordsAndNumbers) {
    struct Case {
        std::string in;
        std::optional<bool> out;
    };
    const Case cases[] = {
        {"true", true},   {"True", true},     {"TRUE", true},  {" tRuE ", true},
        {"false", false}, {"False", false},   {"FALSE", false}, {"\tfalse\n", false},
        {"0", false},     {"-0", false},      {"0.0", false},  {"1", true},
        {"-1", true},     {"0.4", true},      {"1e-5", true},  {" 2 ", true},
        {"Ja", std::nullopt},    {"", std::nullopt},      {"yes", std::nullopt},
        {"truex", std::nullopt}, {"tru", std::nullopt},   {"1x", std::nullopt},
        {"1e400", std::nullopt}, {"true\0"s, std::nullopt}, {"Fals", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(common::ToBoolean(c.in), c.out) << c.in;
}

}  // namespace
