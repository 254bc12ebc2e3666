#pragma once
// Checks that code fails with exactly the expected exception type and text.

#include <gtest/gtest.h>

#include <exception>
#include <optional>
#include <string>

namespace klarvon::test {

// The caught exception, for further checks (an error's code); empty when the code did
// not throw, threw another type or another text, each of which is a test failure.
template <class TError, class TCode>
std::optional<TError> ExpectError(TCode&& code, const std::string& text) {
    try {
        code();
    } catch (const TError& error) {
        EXPECT_EQ(std::string(error.what()), text);
        if (error.what() == text) {
            return error;
        }
        return std::nullopt;
    } catch (const std::exception& error) {
        ADD_FAILURE() << "threw another type: " << error.what() << ", expected: " << text;
        return std::nullopt;
    }
    ADD_FAILURE() << "did not throw, expected: " << text;
    return std::nullopt;
}

} // namespace klarvon::test
