// Headless tests: wx base only, no display needed.
#include <gtest/gtest.h>
#include <wx/init.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    wxInitializer init;
    if (!init.IsOk()) {
        return 1;
    }
    return RUN_ALL_TESTS();
}
