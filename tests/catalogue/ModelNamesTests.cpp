#include "GameModelNames.h"
#include "catalogue/ModelNames.h"
#include "catalogue/VehicleCatalogue.h"
#include "support/ExpectError.h"

#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <string>

namespace klarvon {
namespace {

TEST(ModelNames, EachSlotUpTo611HasItsOwnNameAndTheRestNone) {
    std::set<std::string_view> seen;
    for (int id = 400; id <= 630; ++id) {
        const std::string_view model = ModelName(id);
        EXPECT_EQ(model.empty(), id > 611) << id;
        if (!model.empty()) {
            EXPECT_TRUE(seen.insert(model).second) << "twice: " << model;
            EXPECT_EQ(IdOfModelName(model), id);
        }
    }
    // Spot checks where the captions differ, and the two ends.
    const std::pair<int, std::string_view> named[] = {
        {400, "landstal"}, {457, "caddy"},    {460, "skimmer"},  {466, "glendale"},
        {590, "freibox"},  {596, "copcarla"}, {604, "glenshit"}, {611, "utiltr1"},
    };
    for (const auto& [id, model] : named) {
        EXPECT_EQ(ModelName(id), model) << id;
    }
    EXPECT_THROW(ModelName(399), std::out_of_range);
    EXPECT_THROW(ModelName(631), std::out_of_range);
}

// A misspelt name makes a cfg row of the game's own model a new vehicle, and sends the
// stock one's change nowhere: every slot's name is checked against a second typing.
TEST(ModelNames, EachSlotsNameIsTheGames) {
    ASSERT_EQ(std::size(test::GameModelNames), static_cast<std::size_t>(LastModelId - 400 + 1));
    int expectedId = 400;
    for (const auto& [id, model] : test::GameModelNames) {
        EXPECT_EQ(id, expectedId++) << "the second typing skips or repeats a slot";
        EXPECT_EQ(ModelName(id), model) << id;
        EXPECT_EQ(IdOfModelName(model), id) << model;
    }
}

TEST(ModelNames, ANameMeansOneSlotWhateverItsCase) {
    const std::pair<std::string_view, int> cases[] = {
        {"infernus", 411},   {"INFERNUS", 411}, {"Bullet", 541},   {"caddy", 457},
        {"GOLFCART", 457},   {"golfcart", 457}, {"copcarla", 596}, {"POLICE_LA", 596},
        {"HOTRING(A)", 502}, {"hotrina", 502},  {"glenshit", 604}, {"utiltr1", 611},
    };
    for (const auto& [name, id] : cases) {
        EXPECT_EQ(IdOfVehicleName(name), id) << name;
    }
}

TEST(ModelNames, AmbiguousAndUnknownNamesSayWhatTheyCouldBe) {
    const std::pair<std::string_view, std::string> cases[] = {
        // A model name of one slot that is also the caption of another.
        {"glendale", "'glendale' could mean 466 GLENDALE (glendale) or 604 GLENDALE (glenshit); "
                     "give the ID"},
        {"SADLER", "'SADLER' could mean 543 SADLER (sadler) or 605 SADLER (sadlshit); give the ID"},
        {"freiflat", "'freiflat' could mean 569 FREIFLAT (freiflat) or 590 FREIFLAT (freibox); "
                     "give the ID"},
        {"infernos", "'infernos' is not a vehicle ID or name; closest model names: infernus "
                     "linerun enforcer"},
        {"infernus ", "'infernus ' is not a vehicle ID or name; closest model names: infernus "
                      "linerun enforcer"},
    };
    for (const auto& [name, text] : cases) {
        test::ExpectError<EVehicleNameError>([vehicle = name] { IdOfVehicleName(vehicle); }, text);
    }
    // The nineteen slots without a model share their caption.
    EXPECT_EQ(SlotsNamed("//extra slot").size(), 19U);
}

} // namespace
} // namespace klarvon
