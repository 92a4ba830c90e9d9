#include "exchange/decimal_units.h"

#include <gtest/gtest.h>

namespace exchange {
namespace {

TEST(DecimalUnitsTest, ParsesDecimalTextsIntoWholeUnits) {
    struct Case {
        const char* text;
        int decimals;
        std::optional<std::int64_t> units;
    };
    const Case cases[] = {
        {"145.145", 5, 14514500},
        {"0.600", 5, 60000},
        {"438.00625", 5, 43800625},   // a plain double multiply falls one unit short
        {"146.520000", 5, 14652000},  // more decimals than the unit: zeros dropped
        {"145.1250099", 5, 14512500}, // digits past the unit are cut, toward zero
        {" 88.5 ", 1, 885},
        {"5.", 5, 500000},
        {".5", 1, 5},
        {"0", 0, 0},
        {"999999999", 0, 999999999},
        {"1000000000", 0, std::nullopt}, // more than nine whole digits
        {"", 5, std::nullopt},
        {".", 5, std::nullopt},
        {"-1", 5, std::nullopt},
        {"+1", 5, std::nullopt},
        {"1e3", 5, std::nullopt},
        {"1.2.3", 5, std::nullopt},
        {"14 5", 5, std::nullopt},
        {"145,125", 5, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseDecimalUnits(c.text, c.decimals), c.units) << '"' << c.text << '"';
}

TEST(DecimalUnitsTest, FormatsWithExactlyTheUnitsDecimals) {
    struct Case {
        std::int64_t value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {14454500, 5, "144.54500"}, {60000, 5, "0.60000"}, {5, 1, "0.5"},
        {0, 6, "0.000000"},         {7, 0, "7"},           {-60000, 5, "-0.60000"},
        {1466250, 1, "146625.0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatDecimalUnits(c.value, c.decimals), c.text) << c.value;
}

} // namespace
} // namespace exchange
