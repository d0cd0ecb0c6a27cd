#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <vector>

#include <test_support/panic_message.hpp>

#include "vindle/ui/controller.hpp"
#include "vindle/ui/layout.hpp"

namespace {

using namespace vindle::ui;
using kimbly::AabbF64;

struct LeafBox {
    std::size_t leaf;
    AabbF64 box;
};

struct LayoutCase {
    const char* name;
    // The leaves' constraints; the tree refers to the leaves.
    std::vector<Constraints> leaves;
    std::function<WidgetBox(std::vector<WidgetCore>&)> build;
    AabbF64 box;
    Constraints reported;
    std::vector<LeafBox> placed;
};

TEST(UiLayout, WorkedCases) {
    const LayoutCase cases[] = {
        {"column shares its spare height by flex, first child on top",
         {{{0, 10}, {0, 0}}, {{0, 20}, {0, 1}}},
         [](auto& l) { return boxed(column(ref(l[0]), ref(l[1]))); },
         {0, 50, 0, 100},
         {{0, 30}, {0, 1}},
         {{0, {0, 50, 90, 100}}, {1, {0, 50, 0, 90}}}},
        {"row without children", {}, [](auto&) { return boxed(row()); }, {0, 50, 0, 50}, {}, {}},
        {"column without children", {}, [](auto&) { return boxed(column()); }, {0, 50, 0, 50}, {}, {}},
        {"align centres a child of fixed size",
         {{{40, 20}, {0, 0}}},
         [](auto& l) { return boxed(Align({0.5, 0.5}, ref(l[0]))); },
         {0, 100, 0, 100},
         {{40, 20}, {0, 0}},
         {{0, {30, 70, 40, 60}}}},
        {"align keeps the aspect of the minimum size",
         {{{40, 20}, {0, 0}}},
         [](auto& l) { return boxed(Align({0.5, 0.5}, ref(l[0]), std::nullopt, std::nullopt, true)); },
         {0, 100, 0, 10},
         {{40, 20}, {0, 0}},
         {{0, {40, 60, 0, 10}}}},
        {"a child with flex x gets the full width and its own height",
         {{{40, 20}, {1, 0}}},
         [](auto& l) { return boxed(Align({0.5, 0.5}, ref(l[0]))); },
         {0, 100, 0, 100},
         {{40, 20}, {1, 0}},
         {{0, {0, 100, 40, 60}}}},
        {"flex_x of an align changes a row's sharing, not the child's width",
         {{{40, 20}, {0, 0}}, {{10, 10}, {1, 0}}},
         [](auto& l) { return boxed(row(Align({0, 0}, ref(l[0]), 1.0), ref(l[1]))); },
         {0, 200, 0, 20},
         {{50, 20}, {2, 0}},
         {{0, {0, 40, 0, 20}}, {1, {115, 200, 0, 20}}}},
        {"padding adds its sides",
         {{{30, 20}, {0, 0}}},
         [](auto& l) { return boxed(Padding(5, 10, 5, 10, ref(l[0]))); },
         {0, 50, 0, 30},
         {{50, 30}, {0, 0}},
         {{0, {10, 40, 5, 25}}}},
        {"shrink of ratio 0 passes its box unchanged",
         {{{3, 4}, {1, 1}}},
         [](auto& l) { return boxed(Shrink(0, ref(l[0]))); },
         {0, 100, 0, 50},
         {{3, 4}, {1, 1}},
         {{0, {0, 100, 0, 50}}}},
        {"shrink of a quarter leaves three quarters, centred",
         {{}},
         [](auto& l) { return boxed(Shrink(0.25, ref(l[0]))); },
         {0, 100, 0, 100},
         {},
         {{0, {12.5, 87.5, 12.5, 87.5}}}},
        {"constraint override reports its own constraints",
         {{{100, 7}, {1, 1}}},
         [](auto& l) { return boxed(ConstraintOverride({{32, 32}, {0, 0}}, ref(l[0]))); },
         {0, 60, 0, 40},
         {{32, 32}, {0, 0}},
         {{0, {0, 60, 0, 40}}}},
        {"stack takes the largest of each value and overlays its children",
         {{{10, 30}, {0, 2}}, {{20, 5}, {1, 0}}},
         [](auto& l) { return boxed(stack(ref(l[0]), ref(l[1]))); },
         {0, 60, 0, 40},
         {{20, 30}, {1, 2}},
         {{0, {0, 60, 0, 40}}, {1, {0, 60, 0, 40}}}},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<WidgetCore> leaves;
        for (const auto& constraints : c.leaves) {
            leaves.push_back(WidgetCore::void_core());
            leaves.back().constraints = constraints;
        }
        WidgetBox root = c.build(leaves);
        lay_out(*root, c.box);
        EXPECT_EQ(root->core().constraints, c.reported);
        for (const LeafBox& p : c.placed) EXPECT_EQ(leaves[p.leaf].position, p.box) << "leaf " << p.leaf;
    }
}

TEST(UiLayout, BrokenInvariantsStop) {
    constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
    auto leaf = WidgetCore::void_core();
    leaf.constraints = {{NaN, 10}, {0, 0}};
    EXPECT_EQ(test_support::panic_message([&] {
                  auto root = Align({0, 0}, ref(leaf));
                  lay_out(root, {0, 10, 0, 10});
              }),
              "NaN in a UI layout comparison");
    EXPECT_EQ(test_support::panic_message([&] {
                  auto root = column(ref(leaf));
                  lay_out(root, {0, 10, 0, 10});
              }),
              "NaN in a UI layout comparison");
    EXPECT_EQ(test_support::panic_message([] {
                  auto root = stack();
                  lay_out(root, {0, 10, 0, 10});
              }),
              "a UI stack needs at least one child");
}

}  // namespace
