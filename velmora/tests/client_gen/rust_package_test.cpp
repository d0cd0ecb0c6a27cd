// The Rust client package: generated and checked here, but never built,
// since its crates are on no registry this machine reaches.
#include <gtest/gtest.h>

#include <filesystem>

#include <tarnwick/client_gen/rust_package.hpp>
#include <tarnwick/client_gen/templates.hpp>

#include "client_gen/test_files.hpp"
#include "velmora/game.hpp"

namespace {

namespace fs = std::filesystem;
namespace cg = tarnwick::client_gen;

using test_files::read_file;
using Rust = cg::RustClient<velmora::Game>;
using RustPackage = test_files::PackageDirTest;

TEST_F(RustPackage, GenWritesTheModelCrateAndTheFixedFiles) {
    const cg::ClientGenOptions options{"velmora", dir_, "0.1.0"};
    Rust::gen(options, {});
    EXPECT_EQ(read_file(dir_ / "model/Cargo.toml"),
              "[package]\nname = \"velmora-model\"\nversion = \"0.1.0\"\nedition = \"2018\"\n\n[dependencies]\n"
              "pakko = \"0.4.0-alpha.3\"");
    EXPECT_TRUE(read_file(dir_ / "model/src/lib.rs").starts_with("\nmod vec2_f32;\npub use self::vec2_f32::*;\n"));
    EXPECT_TRUE(fs::exists(dir_ / "model/src/player_view.rs"));
    // The manifest names the project and its model crate as fixed text.
    EXPECT_EQ(read_file(dir_ / "Cargo.toml"),
              "[package]\nname = \"velmora\"\nversion = \"0.1.0\"\nedition = \"2018\"\n\n[dependencies]\n"
              "model = { path = \"model\", package = \"velmora-model\" }\npakko = \"0.4.0-alpha.3\"\n"
              "rand = \"0.7.3\"\nchrono = \"0.4.19\"\nitertools = \"0.9.0\"\n");
    EXPECT_EQ(read_file(dir_ / "Dockerfile").size(), 75u);
    EXPECT_TRUE(read_file(dir_ / "compile.sh")
                    .ends_with("cp -f /src/my_strategy.rs src/my_strategy.rs\n    else\n        rm -rf ./*\n"
                               "        cp -rf /src/* ./\n    fi\nfi\n\ncargo build --release --offline\n"
                               "cp target/release/velmora /output/"));
    EXPECT_EQ(read_file(dir_ / "run.sh"), "set -ex\n\ncd /output\n./velmora \"$@\"");
    for (const char* source : {"src/main.rs", "src/my_strategy.rs"}) {
        const auto text = read_file(dir_ / source);
        EXPECT_TRUE(text.ends_with("}\n")) << source;
        EXPECT_EQ(text.find('\r'), std::string::npos) << source;
    }
    EXPECT_NE(read_file(dir_ / "src/main.rs").find("expect(\"Can't parse port\")"), std::string::npos);
    EXPECT_EQ(Rust::run_local(options), (cg::Command{"cargo", {"run", "--release", "--"}, dir_}));
}

}  // namespace
