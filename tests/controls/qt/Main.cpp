// Runs the contract under one application, as the program itself runs.
#include "ui/controls/Forms.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    klarvon::TApplication application(argc, argv);
    application.SetTitle("Klarvon tests");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
