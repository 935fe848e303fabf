#include "StrToInt.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* text;
    bool whole;
    int value;
};

TEST(StrToInt, AcceptsOnlyBlanksThenSignThenDigits)
{
    const Case cases[] = {
        {"0", true, 0},          {"14", true, 14},       {" 4", true, 4},
        {"   -1", true, -1},     {"+7", true, 7},        {"-0", true, 0},
        {"2147483647", true, 2147483647},                {"-2147483648", true, -2147483647 - 1},
        {"", false, 0},          {"   ", false, 0},      {"-", false, 0},
        {"4 ", false, 0},        {"1a", false, 0},       {"x", false, 0},
        {"- 1", false, 0},       {"+-1", false, 0},      {"1.0", false, 0},
        {"\t1", false, 0},       {"2147483648", false, 0}, {"-2147483649", false, 0},
        {"99999999999999999999", false, 0},
    };
    for (const Case& c : cases) {
        const std::optional<int> v = StrToInt(QString::fromUtf8(c.text));
        EXPECT_EQ(v.has_value(), c.whole) << '"' << c.text << '"';
        if (c.whole && v) {
            EXPECT_EQ(*v, c.value) << '"' << c.text << '"';
        }
    }
}

TEST(StrToInt, RefusesDigitsOfOtherScripts)
{
    // Arabic-Indic and full-width digits are digits to Unicode, not to a pupil's coordinate.
    EXPECT_FALSE(StrToInt(QString::fromUtf8("\u0663")));
    EXPECT_FALSE(StrToInt(QString::fromUtf8("\uff11")));
}

TEST(StrToInt, MessageQuotesTheTextAsItStands)
{
    EXPECT_EQ(NotAnIntegerMessage(QStringLiteral(" 1a ")), QStringLiteral("' 1a ' is not a valid integer value"));
}

} // namespace
