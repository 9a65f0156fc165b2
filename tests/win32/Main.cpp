#include <gtest/gtest.h>

#include "platform/Forms.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // An error no handler caught fails the running test instead of opening
    // a message box that nobody closes.
    Application().OnException = [](const std::string& text) { ADD_FAILURE() << "uncaught in a handler: " << text; };
    return RUN_ALL_TESTS();
}
