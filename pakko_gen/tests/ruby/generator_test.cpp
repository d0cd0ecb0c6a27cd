#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "golden.hpp"
#include "pakko_gen/fixtures.hpp"
#include "pakko_gen/ruby/generator.hpp"
#include "pakko_gen/templates.hpp"
#include "synthetic_schemas.hpp"

namespace {

namespace t = pakko_gen::testing;
using RubyGenerator = pakko_gen::ruby::Generator;

TEST(RubyGenerator, SyntheticSchemasMatchTheirGoldenText) {
    auto result = t::generate<RubyGenerator>(t::synthetic_roots());
    t::expect_golden(result, t::golden_root() / "ruby", {"stream_wrapper.rb"});
}

TEST(RubyGenerator, NoNamedTypeGivesOnlyTheStreamHelper) {
    auto result = t::generate<RubyGenerator>({t::map(t::int32(), t::int32())});
    EXPECT_EQ(result.files, (std::vector<pakko_gen::GenFile>{
                                {"stream_wrapper.rb", std::string(pakko_gen::template_text("ruby/stream_wrapper.rb"))}}));
}

TEST(RubyGenerator, AnEnumerationWithoutValuesRejectsEveryValue) {
    auto holder = t::shared(t::record("Holder", {t::field("kind", t::enumeration("Nothing", {}))}));
    auto text = t::file_text(t::generate<RubyGenerator>({holder}), "model/holder.rb");
    EXPECT_NE(text.find("        kind = stream.read_int()\n"
                        "        if kind < 0 || kind > -1\n"
                        "            raise \"Unexpected tag value\"\n"
                        "        end\n"),
              std::string::npos)
        << text;
}

TEST(RubyGenerator, RealRootsAreRequiredInDependencyOrder) {
    auto result = t::generate<RubyGenerator>(pakko_gen::fixtures::root_schemas());
    std::string expected;
    for (const auto& type : t::real_root_types()) expected += "require_relative 'model/" + pakko::to_snake_case(type) + "'\n";
    EXPECT_EQ(t::file_text(result, "model.rb"), expected);
    EXPECT_EQ(result.files.size(), t::real_root_types().size() + 2);
    auto entity = t::file_text(result, "model/entity.rb");
    EXPECT_NE(entity.find("        entity_type = stream.read_int()\n"
                          "        if entity_type < 0 || entity_type > 9\n"),
              std::string::npos)
        << entity;
}

}  // namespace
