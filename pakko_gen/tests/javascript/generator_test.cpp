#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <test_support/panic_message.hpp>

#include "golden.hpp"
#include "pakko_gen/fixtures.hpp"
#include "pakko_gen/javascript/generator.hpp"
#include "pakko_gen/templates.hpp"
#include "synthetic_schemas.hpp"

namespace {

namespace t = pakko_gen::testing;
using JavascriptGenerator = pakko_gen::javascript::Generator;

TEST(JavaScriptGenerator, SyntheticSchemasMatchTheirGoldenText) {
    auto result = t::generate<JavascriptGenerator>(t::synthetic_roots());
    t::expect_golden(result, t::golden_root() / "javascript", {"stream-wrapper.js"});
}

TEST(JavaScriptGenerator, NoNamedTypeGivesTheStreamHelperAndAnEmptyIndex) {
    auto result = t::generate<JavascriptGenerator>({t::int32()});
    EXPECT_EQ(result.files,
              (std::vector<pakko_gen::GenFile>{
                  {"stream-wrapper.js", std::string(pakko_gen::template_text("javascript/stream-wrapper.js"))},
                  {"model/index.js", ""}}));
}

TEST(JavaScriptGenerator, AFourthLoopInOneFieldStops) {
    auto deep = t::vec(t::map(t::vec(t::int32()), t::vec(t::int32())));
    EXPECT_EQ(test_support::panic_message([&] {
                  pakko_gen::Writer writer;
                  pakko_gen::LoopCounter loops;
                  pakko_gen::javascript::statements::assign(writer, "deep", *deep, loops);
              }),
              "called `Option::unwrap()` on a `None` value");
}

TEST(JavaScriptGenerator, RealRootsAreExportedInDependencyOrder) {
    auto result = t::generate<JavascriptGenerator>(pakko_gen::fixtures::root_schemas());
    std::string expected_index;
    for (const auto& type : t::real_root_types()) {
        auto file = pakko::to_snake_case(type);
        std::replace(file.begin(), file.end(), '_', '-');
        expected_index += "module.exports." + type + " = require('./" + file + "');\n";
    }
    EXPECT_EQ(t::file_text(result, "model/index.js"), expected_index);
    EXPECT_EQ(result.files.size(), t::real_root_types().size() + 2);
    // The map of an enumeration key: no import of the enumeration, loop letter i.
    auto player_view = t::file_text(result, "model/player-view.js");
    EXPECT_EQ(player_view.find("require('./entity-type')"), std::string::npos) << player_view;
    EXPECT_NE(player_view.find("        for (let i = await stream.readSize(); i > 0; i--) {\n"
                               "            let entityPropertiesKey;\n"
                               "            let entityPropertiesValue;\n"
                               "            entityPropertiesKey = await stream.readInt();\n"
                               "            entityPropertiesValue = await EntityProperties.readFrom(stream);\n"),
              std::string::npos)
        << player_view;
}

}  // namespace
