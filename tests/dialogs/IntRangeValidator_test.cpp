// The whole-number check behind the dialogs' number boxes.
#include <gtest/gtest.h>

#include "dialogs/IntRangeValidator.h"

TEST(IntRangeCheck, AcceptsWholeNumbersInRangeAndNamesTheRangeForAnythingElse) {
    for (const char* text : {"0", "5000", " 12 ", "+7", "0042"}) {
        EXPECT_FALSE(CheckIntRange(text, 0, 5000).has_value()) << text;
    }
    for (const char* text : {"", "5001", "-1", "abc", "12.5", "3 4", "0x10", "99999999999"}) {
        EXPECT_EQ(CheckIntRange(text, 0, 5000).value_or(""),
                  "Please enter an integer between 0 and 5000.")
            << text;
    }
    EXPECT_EQ(ParseInteger(" -12 "), -12);
}
