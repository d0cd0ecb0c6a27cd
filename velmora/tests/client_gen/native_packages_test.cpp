// The Go and D packages as generated for the game.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include <tarnwick/client_gen/dlang_package.hpp>
#include <tarnwick/client_gen/go_package.hpp>
#include <tarnwick/client_gen/templates.hpp>

#include "client_gen/test_files.hpp"
#include "velmora/client_gen/run.hpp"
#include "velmora/game.hpp"

namespace {

namespace fs = std::filesystem;
namespace cg = tarnwick::client_gen;

using test_files::read_file;
using Go = cg::GoClient<velmora::Game>;
using Dlang = cg::DlangClient<velmora::Game>;

class NativePackages : public test_files::PackageDirTest {
protected:
    cg::ClientGenOptions options(const char* name) const { return {name, dir_ / "package", "0.1.0"}; }
};

// Lines with CR LF ends and lines in all.
std::pair<std::size_t, std::size_t> line_ends(std::string_view text) {
    std::size_t crlf = 0;
    std::size_t lines = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '\n') continue;
        ++lines;
        if (at > 0 && text[at - 1] == '\r') ++crlf;
    }
    return {crlf, lines};
}

TEST_F(NativePackages, FixedFilesHaveTheirStatedSizesLineEndsAndPlaceholders) {
    struct Case {
        const char* path;
        std::size_t stated_size;  // 0 where the size is not fixed
        bool crlf;
        bool project_name;
    };
    const Case cases[] = {
        {"go/Dockerfile", 101, false, true},      {"go/go.mod", 28, false, true},
        {"go/debug_interface.go", 628, true, true}, {"go/main.go", 0, false, true},
        {"go/my_strategy.go", 439, false, true},  {"dlang/Dockerfile", 86, false, false},
        {"dlang/dub.json", 30, false, true},      {"dlang/app.d", 0, false, false},
        {"dlang/debug_interface.d", 0, true, false}, {"dlang/my_strategy.d", 0, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const auto text = cg::client_template(c.path);
        if (c.stated_size != 0) {
            EXPECT_EQ(text.size(), c.stated_size);
        }
        const auto [crlf, lines] = line_ends(text);
        EXPECT_GT(lines, 0u);
        EXPECT_EQ(crlf, c.crlf ? lines : 0u);
        EXPECT_EQ(text.find("project_name") != std::string_view::npos, c.project_name);
        EXPECT_EQ(text.find("ProjectName"), std::string_view::npos);
    }
}

TEST_F(NativePackages, GoGenWritesTheModuleWithTheProjectName) {
    const auto go = options("velmora");
    Go::gen(go, {});
    for (const char* file : {"stream/stream.go", "model/server_message.go", "model/vec2_int32.go", "Dockerfile",
                             "run.sh", "debug_interface.go", "main.go", "my_strategy.go"}) {
        EXPECT_TRUE(fs::exists(go.target_dir / file)) << file;
    }
    EXPECT_EQ(read_file(go.target_dir / "go.mod"), "module velmora\n\ngo 1.13");
    EXPECT_TRUE(read_file(go.target_dir / "compile.sh").ends_with("\ngo build -o velmora\ncp velmora /output/"));
    EXPECT_NE(read_file(go.target_dir / "model/player_view.go").find("import . \"velmora/stream\"\n"),
              std::string::npos);
    EXPECT_NE(read_file(go.target_dir / "main.go").find(". \"velmora/model\"\n"), std::string::npos);
    EXPECT_EQ(Go::run_local(go), (cg::Command{"./velmora", {}, go.target_dir}));
}

TEST_F(NativePackages, DlangGenWritesTheDubProjectWithTheProjectName) {
    const auto d = options("MyBot");
    Dlang::gen(d, {});
    for (const char* file : {"source/stream.d", "source/model/package.d", "source/model/server_message.d",
                             "source/app.d", "source/debug_interface.d", "source/my_strategy.d", "Dockerfile",
                             "run.sh"}) {
        EXPECT_TRUE(fs::exists(d.target_dir / file)) << file;
    }
    EXPECT_EQ(read_file(d.target_dir / "dub.json"), "{\n    \"name\": \"my_bot\"\n}");
    EXPECT_TRUE(read_file(d.target_dir / "compile.sh")
                    .ends_with("cp -f /src/my_strategy.d source/my_strategy.d\n    else\n        rm -rf ./*\n"
                               "        cp -rf /src/* ./\n    fi\nfi\n\ndub build -b release\ncp my_bot /output/"));
    EXPECT_EQ(read_file(d.target_dir / "run.sh"), "set -ex\n\ncd /output\n./my_bot \"$@\"");
    EXPECT_EQ(Dlang::run_local(d), (cg::Command{"dub", {"run", "-b", "release", "--"}, d.target_dir}));
}

TEST_F(NativePackages, EachTestStrategyReplacesTheTemplate) {
    const auto files = velmora::client_gen::test_strategy_files();
    const std::map<std::string, std::string> paths{{"Go", "my_strategy.go"}, {"Dlang", "source/my_strategy.d"}};
    for (const auto& [language, path] : paths) {
        ASSERT_TRUE(files.contains(language)) << language;
        EXPECT_EQ(files.at(language).size(), 1u) << language;
        EXPECT_TRUE(files.at(language).contains(path)) << language;
    }
    EXPECT_NE(files.at("Go").at("my_strategy.go").find("import (\n\t. \"velmora/model\"\n)"), std::string::npos);
}

}  // namespace
