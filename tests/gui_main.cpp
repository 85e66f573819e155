// GUI tests: a real wx application on the (virtual) display.
#include <gtest/gtest.h>
#include <wx/app.h>

#include "support/TestApp.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    return RunGuiTests(argc, argv);
}
