// The whole-number check behind the dialogs' number boxes.
#include <gtest/gtest.h>

#include "dialogs/IntRangeValidator.h"

namespace {

TEST(IntRangeCheck, AcceptsWholeNumbersInRangeWithBlanksAround) {
    for (const char* text : {"0", "5000", " 12 ", "+7", "-0", "0042"}) {
        EXPECT_FALSE(CheckIntRange(text, 0, 5000).has_value()) << text;
    }
    EXPECT_EQ(ParseInteger(" -12 "), -12);
    EXPECT_EQ(ParseInteger("0042"), 42);
}

TEST(IntRangeCheck, RefusesAnythingElseWithTheRangeMessage) {
    for (const char* text :
         {"", "  ", "5001", "-1", "abc", "12.5", "1e3", "3 4", "0x10", "- 5", "99999999999"}) {
        EXPECT_EQ(CheckIntRange(text, 0, 5000).value_or(""),
                  "Please enter an integer between 0 and 5000.")
            << text;
    }
    EXPECT_EQ(CheckIntRange("13", -12, 12).value_or(""),
              "Please enter an integer between -12 and 12.");
    EXPECT_FALSE(ParseInteger("99999999999").has_value());
    EXPECT_FALSE(ParseInteger("").has_value());
}

}  // namespace
