#include "numeric_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using Vantor_B::NumericPrefix;

struct PrefixCase {
    const char* text;
    double value;
};

TEST(NumericPrefix, ReadsTheNumberAtTheStart) {
    const PrefixCase cases[] = {
        {"520", 520},
        {" 520", 520},
        {"5 2\t0\n", 520},
        {"12abc", 12},
        {"", 0},
        {"abc", 0},
        {"-7", -7},
        {"+7", 7},
        {"- 7", -7},
        {"--7", 0},
        {"2.5", 2.5},
        {".5", 0.5},
        {"-.5", -0.5},
        {".", 0},
        {"1.2.3", 1.2},
        {"1e3", 1000},
        {"1E+3", 1000},
        {"15e-1", 1.5},
        {"1d2", 100},
        {"1e", 1},
        {"1e+", 1},
        {"1 e 2", 100},
        {"1e-400", 0},
        {"-1e-400", 0},
        {"&H10", 16},
        {"&hff", 255},
        {"&O17", 15},
        {"&o8", 0},
        {"&H", 0},
        {"&HG", 0},
        {"&", 0},
        {"&X1", 0},
        {"&HFFFF", -1},
        {"&H8000", -32768},
        {"&H10000", 65536},
        {"&HFFFFFFFF", -1},
        {"&H80000000", -2147483648.0},
        {"& H 1 F", 31},
        {"1,5", 1},
        {"0x10", 0},
    };
    for (const PrefixCase& c : cases) {
        EXPECT_EQ(NumericPrefix(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(NumericPrefix, BeyondADoubleIsInfiniteAndBelowItIsZero) {
    const std::string hundreds(400, '0');
    const PrefixCase cases[] = {
        {"1e400", INFINITY},   {"-1e400", -INFINITY}, {"1e99999999999", INFINITY},
        {"1e-99999999999", 0}, {"0.0001e-400", 0},
    };
    for (const PrefixCase& c : cases) {
        EXPECT_EQ(NumericPrefix(c.text), c.value) << '"' << c.text << '"';
    }
    EXPECT_EQ(NumericPrefix("1" + hundreds + "e-50"), INFINITY);
    EXPECT_EQ(NumericPrefix("0." + hundreds + "1e50"), 0);
}

TEST(RoundToInt32, TiesGoToEvenAndOutOfRangeGivesNothing) {
    EXPECT_EQ(Vantor_B::RoundToInt32(2.5), 2);
    EXPECT_EQ(Vantor_B::RoundToInt32(3.5), 4);
    EXPECT_EQ(Vantor_B::RoundToInt32(-2.5), -2);
    EXPECT_EQ(Vantor_B::RoundToInt32(2147483647.4), 2147483647);
    EXPECT_EQ(Vantor_B::RoundToInt32(2147483647.5), std::nullopt);
    EXPECT_EQ(Vantor_B::RoundToInt32(-2147483648.5), -2147483647 - 1);
    EXPECT_EQ(Vantor_B::RoundToInt32(INFINITY), std::nullopt);
    EXPECT_EQ(Vantor_B::RoundToInt32(NAN), std::nullopt);
    EXPECT_EQ(Vantor_B::RoundToInt16(32767.5), std::nullopt);
    EXPECT_EQ(Vantor_B::RoundToInt16(-32768.5), -32768);
}

struct DecimalCase {
    const char* text;
    std::optional<double> value;
};

// The one reader behind the settings file and the track box.
TEST(DecimalNumber, WholeTextByTheLocalesRules) {
    const DecimalCase cases[] = {
        {"7", 7},
        {" 3.5\t", 3.5},
        {"-.5", -0.5},
        {"+2", 2},
        {"1d1", 10},
        {"1E-1", 0.1},
        {"5.", 5},
        {"1e400", INFINITY},
        {"", std::nullopt},
        {"+-5", std::nullopt},
        {"1e", std::nullopt},
        {"3.5x", std::nullopt},
        {"1 2", std::nullopt},
        {"&H10", std::nullopt},
        {"inf", std::nullopt},
        {"1,5", std::nullopt},
    };
    for (const DecimalCase& c : cases) {
        EXPECT_EQ(Vantor_B::DecimalNumber(c.text), c.value) << '"' << c.text << '"';
    }
}

struct SettingsCase {
    const char* text;
    std::optional<int16_t> value;
};

TEST(SettingsInteger, WholeTextRoundedDownWithin16Bits) {
    const SettingsCase cases[] = {
        {"2", 2},
        {" 2 ", 2},
        {"\t7", 7},
        {"2.9", 2},
        {"-0.5", -1},
        {"-2.5", -3},
        {"+3", 3},
        {"1e2", 100},
        {"1e-400", 0},
        {"32767.9", 32767},
        {"-32768", -32768},
        {"32768", std::nullopt},
        {"100000", std::nullopt},
        {"-32768.5", std::nullopt},
        {"abc", std::nullopt},
        {"2x", std::nullopt},
        {"", std::nullopt},
        {"  ", std::nullopt},
        {"2 3", std::nullopt},
        {".", std::nullopt},
        {"&H10", std::nullopt},
    };
    for (const SettingsCase& c : cases) {
        EXPECT_EQ(Vantor_B::SettingsInteger(c.text), c.value) << '"' << c.text << '"';
    }
}

}  // namespace
