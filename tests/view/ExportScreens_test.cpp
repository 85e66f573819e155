// Reading the arguments of the screen export command.
#include "view/ExportScreens.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

bool Parse(std::vector<const char*> args, CExportScreensArgs& out) {
    args.insert(args.begin(), {"versilux", "--export-screens"});
    return ParseExportScreensArgs(static_cast<int>(args.size()), const_cast<char**>(args.data()), 2,
                                  out);
}

TEST(ExportScreensArgs, ReadsTheScheduleTheSizeAndTheFolder) {
    CExportScreensArgs args;
    ASSERT_TRUE(Parse({"12", "--size", "1920x1080", "--out", "slides"}, args));
    EXPECT_EQ(args.nScheduleID, 12);
    EXPECT_EQ(args.size, wxSize(1920, 1080));
    EXPECT_EQ(args.strOutDir, "slides");
    ASSERT_TRUE(Parse({"3", "--out", "/tmp/a b", "--size", "800X600"}, args));
    EXPECT_EQ(args.size, wxSize(800, 600));
    EXPECT_EQ(args.strOutDir, "/tmp/a b");
}

TEST(ExportScreensArgs, RejectsAnythingElse) {
    const std::vector<std::vector<const char*>> bad = {
        {},
        {"1"},
        {"1", "--size", "1920x1080"},
        {"1", "--out", "x"},
        {"x", "--size", "1920x1080", "--out", "x"},
        {"0", "--size", "1920x1080", "--out", "x"},
        {"-4", "--size", "1920x1080", "--out", "x"},
        {"1", "--size", "1920", "--out", "x"},
        {"1", "--size", "0x1080", "--out", "x"},
        {"1", "--size", "1920x-1", "--out", "x"},
        {"1", "--size", "99999x1080", "--out", "x"},
        {"1", "--size", "1920x1080x3", "--out", "x"},
        {"1", "--size", "1920x1080", "--out", ""},
        {"1", "--size", "1920x1080", "--out"},
        {"1", "--size", "1920x1080", "--out", "x", "--out", "y"},
        {"1", "--size", "1920x1080", "--out", "x", "extra"},
        {"1", "--colour", "red", "--size", "1920x1080", "--out", "x"},
    };
    for (const auto& args : bad) {
        CExportScreensArgs out;
        EXPECT_FALSE(Parse(args, out)) << args.size();
    }
}

}  // namespace
