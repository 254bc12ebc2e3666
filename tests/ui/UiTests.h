#pragma once
// The window test classes, each registered from its own file.

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

namespace klarvon::test {

using TTestFactory = std::function<std::unique_ptr<QObject>()>;

std::vector<TTestFactory>& UiTestClasses();

template <class T> struct TRegisterUiTest {
    TRegisterUiTest() {
        UiTestClasses().push_back([] { return std::make_unique<T>(); });
    }
};

} // namespace klarvon::test
