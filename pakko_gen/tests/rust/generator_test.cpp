#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "golden.hpp"
#include "pakko_gen/fixtures.hpp"
#include "pakko_gen/rust/generator.hpp"
#include "pakko_gen/templates.hpp"
#include "synthetic_schemas.hpp"

namespace {

namespace t = pakko_gen::testing;
using pakko_gen::GenResult;
using pakko_gen::GeneratorImpl;

GenResult generate_rust(const std::vector<pakko::SchemaPtr>& roots, std::string_view name = "velmora-model",
                   std::string_view version = "0.1.0") {
    GeneratorImpl<pakko_gen::rust::Generator> impl(name, version, {});
    for (const auto& root : roots) impl.add(*root);
    return std::move(impl).result();
}

TEST(RustGenerator, SyntheticSchemasMatchTheirGoldenText) {
    t::expect_golden(generate_rust(t::synthetic_roots()), t::golden_root() / "rust", {});
}

TEST(RustGenerator, ManifestCarriesTheNameVersionAndPakkoVersion) {
    auto result = generate_rust({}, "my-bot-model", "2.3.4");
    ASSERT_EQ(result.files.size(), 2u);
    EXPECT_EQ(result.files[0], (pakko_gen::GenFile{"Cargo.toml",
                                                   "[package]\nname = \"my-bot-model\"\nversion = \"2.3.4\"\n"
                                                   "edition = \"2018\"\n\n[dependencies]\npakko = \"0.4.0-alpha.3\""}));
    EXPECT_EQ(result.files[1], (pakko_gen::GenFile{"src/lib.rs", ""}));
    EXPECT_EQ(pakko_gen::template_text("rust/Cargo.toml").size(), 103u);
}

TEST(RustGenerator, RenamesApplyInsideEveryName) {
    auto kinds = t::enumeration("Int64Kind", {"Float32Value", "Float64"});
    auto holder = t::shared(t::record("Int32Float64Holder", {t::field("float32_kind", kinds)}));
    auto result = generate_rust({holder});
    ASSERT_EQ(result.files.size(), 4u);
    EXPECT_EQ(result.files[2], (pakko_gen::GenFile{"src/i64_kind.rs",
                                                   "use super::*;\n#[derive(Clone, Debug, PartialEq, Eq, Hash, "
                                                   "pakko::Pakko)]\npub enum I64Kind {\n    F32Value,\n    F64,\n}\n"}));
    EXPECT_EQ(result.files[3].path, "src/i32f64_holder.rs");
    EXPECT_NE(result.files[3].content.find("pub struct I32f64Holder {\n    pub f32_kind: I64Kind,\n}\n"),
              std::string::npos)
        << result.files[3].content;
    EXPECT_EQ(result.files[1].content, "\nmod i64_kind;\npub use self::i64_kind::*;\n"
                                       "\nmod i32f64_holder;\npub use self::i32f64_holder::*;\n");
}

TEST(RustGenerator, RealRootsDeclareEveryModuleInDependencyOrder) {
    auto result = generate_rust(pakko_gen::fixtures::root_schemas());
    std::string lib;
    for (const auto& file : result.files) {
        if (file.path == "src/lib.rs") lib = file.content;
    }
    EXPECT_TRUE(lib.starts_with("\nmod vec2_f32;\npub use self::vec2_f32::*;\n\nmod color;\n")) << lib;
    EXPECT_TRUE(lib.ends_with("\nmod camera;\npub use self::camera::*;\n\nmod debug_state;\npub use self::debug_state::*;\n"))
        << lib;
    EXPECT_EQ(result.files.size(), 2u + 26u);
}

}  // namespace
