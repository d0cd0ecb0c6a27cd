#include <gtest/gtest.h>

#include <map>
#include <random>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "kimbly/flat_map.hpp"

namespace {

using Map = kimbly::FlatMap<int, std::string>;
using Entries = std::vector<std::pair<int, std::string>>;

Entries entries_of(const Map& map) { return Entries(map.begin(), map.end()); }
Entries entries_of(const std::map<int, std::string>& map) { return Entries(map.begin(), map.end()); }

// Every operation the tables use, drawn at random against the ordered map it
// stands for: the two must hold the same entries in the same order and answer
// every lookup alike.
TEST(FlatMap, BehavesAsTheOrderedMap) {
    std::mt19937 random(2024);
    Map flat;
    std::map<int, std::string> tree;
    for (int step = 0; step < 3000; ++step) {
        const int key = static_cast<int>(random() % 40);
        const std::string value = std::to_string(step);
        switch (random() % 6) {
            case 0: {
                auto [it, inserted] = flat.insert_or_assign(key, value);
                EXPECT_EQ(inserted, tree.insert_or_assign(key, value).second);
                EXPECT_EQ(it->first, key);
                break;
            }
            case 1: {
                auto [it, inserted] = flat.try_emplace(key, value);
                auto expected = tree.try_emplace(key, value);
                EXPECT_EQ(inserted, expected.second);
                EXPECT_EQ(it->second, expected.first->second);
                break;
            }
            case 2:
                EXPECT_EQ(flat.erase(key), tree.erase(key));
                break;
            case 3:
                flat[key] += "+";
                tree[key] += "+";
                break;
            case 4: {
                auto found = flat.find(key);
                auto expected = tree.find(key);
                ASSERT_EQ(found == flat.end(), expected == tree.end());
                if (found != flat.end()) {
                    EXPECT_EQ(found->second, expected->second);
                }
                EXPECT_EQ(flat.contains(key), tree.contains(key));
                break;
            }
            default: {
                const int bound = key;
                EXPECT_EQ(erase_if(flat, [bound](const auto& entry) { return entry.first % 7 == bound % 7; }),
                          std::erase_if(tree, [bound](const auto& entry) { return entry.first % 7 == bound % 7; }));
                break;
            }
        }
        ASSERT_EQ(entries_of(flat), entries_of(tree)) << "step " << step;
    }
}

TEST(FlatMap, FromUnsortedKeepsTheLaterOfEqualKeys) {
    struct Case {
        const char* name;
        Entries given;
        Entries expected;
    };
    const std::vector<Case> cases = {
        {"empty", {}, {}},
        {"descending", {{3, "c"}, {2, "b"}, {1, "a"}}, {{1, "a"}, {2, "b"}, {3, "c"}}},
        {"repeated keys apart", {{2, "x"}, {1, "a"}, {2, "y"}}, {{1, "a"}, {2, "y"}}},
        {"a run of one key", {{5, "p"}, {5, "q"}, {5, "r"}, {4, "s"}}, {{4, "s"}, {5, "r"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::map<int, std::string> tree;
        for (const auto& [key, value] : c.given) tree.insert_or_assign(key, value);
        EXPECT_EQ(entries_of(Map::from_unsorted(c.given)), c.expected);
        EXPECT_EQ(entries_of(tree), c.expected);
    }
}

TEST(FlatMap, AtRefusesAMissingKeyAndBindingsReachTheValues) {
    Map map;
    map.emplace(2, "two");
    map.insert({1, "one"});
    EXPECT_EQ(map.at(2), "two");
    EXPECT_THROW(map.at(3), std::out_of_range);
    EXPECT_EQ(map.rbegin()->first, 2);
    for (auto& [key, value] : map) value += "!";
    EXPECT_EQ(entries_of(map), (Entries{{1, "one!"}, {2, "two!"}}));
}

}  // namespace
