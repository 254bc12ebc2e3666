// Runs every window test class under one application, as the program itself runs.
#include "tests/ui/UiTests.h"
#include "ui/controls/Forms.h"

#include <QTest>

int main(int argc, char** argv) {
    klarvon::TApplication application(argc, argv);
    application.SetTitle("Klarvon tests");
    int failures = 0;
    for (const auto& makeTest : klarvon::test::UiTestClasses()) {
        const std::unique_ptr<QObject> test = makeTest();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}

std::vector<klarvon::test::TTestFactory>& klarvon::test::UiTestClasses() {
    static std::vector<TTestFactory> classes;
    return classes;
}
