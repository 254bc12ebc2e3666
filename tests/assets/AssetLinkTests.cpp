// The backgrounds reach a program that links klarvon_assets only through another static
// library, with no Q_INIT_RESOURCE anywhere.

#include "LinkProbe.h"

#include <gtest/gtest.h>

namespace klarvon::test {
namespace {

TEST(AssetLink, ResourcesSurviveAStaticLibraryInBetween) {
    struct TCase {
        const char* Path;
    };
    for (const TCase& c :
         {TCase{":/assets/main-background.jpg"}, TCase{":/assets/about-background.jpg"}}) {
        SCOPED_TRACE(c.Path);
        EXPECT_GT(ResourceSize(c.Path), 0);
    }
    EXPECT_EQ(ResourceSize(":/assets/no-such-picture.jpg"), -1);
}

} // namespace
} // namespace klarvon::test
