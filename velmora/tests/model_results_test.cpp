#include <gtest/gtest.h>

#include <velmora/model/default_properties.hpp>
#include <velmora/model/results.hpp>

namespace velmora::model {
namespace {

Model with_owners(std::vector<std::optional<usize>> owners, bool active = true) {
    Model m;
    m.map_size = 80;
    m.max_tick_count = 1000;
    m.entity_properties.value = default_entity_properties();
    usize id = 10;
    for (auto owner : owners) {
        m.entities.by_id[id] = Entity{id, owner, owner ? EntityType::House : EntityType::Resource, {id, 0}, 5, active};
        ++id;
    }
    return m;
}

TEST(Finished, ByOwnersAndTicks) {
    struct Case {
        const char* name;
        Model model;
        bool finished;
    };
    auto at_limit = with_owners({1, 2});
    at_limit.current_tick = 1000;
    auto beyond = with_owners({1, 2});
    beyond.current_tick = 1500;
    auto before = with_owners({1, 2});
    before.current_tick = 999;
    std::vector<Case> cases = {
        {"two owners", with_owners({1, 2, std::nullopt}), false},
        {"one owner left", with_owners({1, 1, std::nullopt}), true},
        {"no entities", with_owners({}), true},
        {"resources only", with_owners({std::nullopt, std::nullopt}), true},
        {"inactive buildings count", with_owners({1, 2}, false), false},
        {"tick limit reached", at_limit, true},
        {"loaded beyond the limit", beyond, true},
        {"one tick before the limit", before, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(finished(c.model), c.finished);
    }
}

TEST(Results, ScoreAtEachIndexWhateverTheStorageOrder) {
    Model m;
    m.players.by_id[1] = Player{1, 2, 25, 0};
    m.players.by_id[2] = Player{2, 0, 10, 0};
    m.players.by_id[3] = Player{3, 1, 0, 0};
    EXPECT_EQ(results(m), (std::vector<usize>{10, 0, 25}));
    EXPECT_TRUE(results(Model{}).empty());
}

}  // namespace
}  // namespace velmora::model
