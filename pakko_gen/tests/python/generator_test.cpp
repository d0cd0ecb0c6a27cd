#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "golden.hpp"
#include "pakko_gen/fixtures.hpp"
#include "pakko_gen/python/generator.hpp"
#include "pakko_gen/templates.hpp"
#include "synthetic_schemas.hpp"

namespace {

namespace t = pakko_gen::testing;
using PythonGenerator = pakko_gen::python::Generator;

TEST(PythonGenerator, SyntheticSchemasMatchTheirGoldenText) {
    auto result = t::generate<PythonGenerator>(t::synthetic_roots());
    t::expect_golden(result, t::golden_root() / "python", {"stream_wrapper.py"});
}

TEST(PythonGenerator, NoNamedTypeGivesOnlyTheStreamHelper) {
    auto result = t::generate<PythonGenerator>({t::int32(), t::vec(t::int32())});
    EXPECT_EQ(result.files, (std::vector<pakko_gen::GenFile>{
                                {"stream_wrapper.py", std::string(pakko_gen::template_text("python/stream_wrapper.py"))}}));
}

TEST(PythonGenerator, RealRootsAreImportedInDependencyOrder) {
    auto result = t::generate<PythonGenerator>(pakko_gen::fixtures::root_schemas());
    std::string expected_init;
    for (const auto& type : t::real_root_types()) {
        expected_init += "from ." + pakko::to_snake_case(type) + " import " + type + "\n";
    }
    EXPECT_EQ(t::file_text(result, "model/__init__.py"), expected_init);
    EXPECT_EQ(result.files.size(), t::real_root_types().size() + 2);
    // An enumeration field is read through its class; a map writes its items.
    auto player_view = t::file_text(result, "model/player_view.py");
    for (const char* piece : {"            entity_properties_key = EntityType(stream.read_int())\n"
                              "            entity_properties_value = EntityProperties.read_from(stream)\n",
                              "        for key, value in self.entity_properties.items():\n"
                              "            stream.write_int(key)\n"
                              "            value.write_to(stream)\n"}) {
        EXPECT_NE(player_view.find(piece), std::string::npos) << piece << player_view;
    }
}

}  // namespace
