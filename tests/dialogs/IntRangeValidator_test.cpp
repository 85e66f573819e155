// The checks behind the dialogs' number and text boxes.
#include <gtest/gtest.h>

#include "dialogs/IntRangeValidator.h"
#include "dialogs/MaxLengthValidator.h"

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

TEST(IntegerCheck, AcceptsAnyWholeNumberAnIntHoldsAndAsksForAnIntegerOtherwise) {
    for (const char* text : {"0", "-5", " 900 ", "2147483647", "-2147483648"}) {
        EXPECT_FALSE(CheckInteger(text).has_value()) << text;
    }
    for (const char* text : {"", " ", "abc", "12.5", "1e3", "2147483648"}) {
        EXPECT_EQ(CheckInteger(text).value_or(""), "Please enter an integer.") << text;
    }
}

TEST(MaxCharsCheck, CountsCharactersNotBytes) {
    EXPECT_FALSE(CheckMaxChars(wxString('x', 50), 50).has_value());
    EXPECT_FALSE(CheckMaxChars("", 0).has_value());
    // Fifty letters outside ASCII are fifty characters however they are stored.
    EXPECT_FALSE(CheckMaxChars(wxString(wxUniChar(0x0436), 50), 50).has_value());
    EXPECT_EQ(CheckMaxChars(wxString(wxUniChar(0x00AC), 51), 50).value_or(""),
              "Please enter no more than 50 characters.");
}
