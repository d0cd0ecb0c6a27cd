// The packages run by an interpreter (JavaScript, Python, Ruby) as generated
// for the game.
#include <gtest/gtest.h>

#include <filesystem>

#include <tarnwick/client_gen/plain_script_packages.hpp>
#include <tarnwick/client_gen/python_package.hpp>
#include <tarnwick/client_gen/templates.hpp>

#include "client_gen/test_files.hpp"
#include "velmora/client_gen/run.hpp"
#include "velmora/game.hpp"

namespace {

namespace fs = std::filesystem;
namespace cg = tarnwick::client_gen;
using velmora::Game;

class ScriptPackagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("client_gen_scripts_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    cg::ClientGenOptions options(const char* language) const { return {"velmora", dir_ / language, "0.1.0"}; }

    fs::path dir_;
};

TEST_F(ScriptPackagesTest, GenWritesTheModelAtTheTopAndTheStoredFilesUnchanged) {
    struct Case {
        const char* folder;
        std::vector<const char*> model_files;
        std::vector<const char*> stored_files;
    };
    cg::JavaScriptClient<Game>::gen(options("javascript"), {});
    cg::RubyClient<Game>::gen(options("ruby"), {});
    cg::PythonClient<Game>::gen(options("python"), {cg::python_package::Compiler::PyPy, {}});
    const Case cases[] = {
        {"javascript",
         {"stream-wrapper.js", "model/index.js", "model/server-message.js", "model/debug-state.js"},
         {"index.js", "debug-interface.js", "my-strategy.js", "Dockerfile"}},
        {"ruby",
         {"stream_wrapper.rb", "model.rb", "model/server_message.rb", "model/debug_state.rb"},
         {"main.rb", "debug_interface.rb", "my_strategy.rb", "Dockerfile"}},
        {"python",
         {"stream_wrapper.py", "model/__init__.py", "model/server_message.py", "model/debug_state.py"},
         {"main.py", "debug_interface.py", "my_strategy.py"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        for (const char* file : c.model_files) EXPECT_TRUE(fs::exists(dir_ / c.folder / file)) << file;
        for (const char* file : c.stored_files) {
            EXPECT_EQ(test_files::read_file(dir_ / c.folder / file),
                      cg::client_template(std::string(c.folder) + "/" + file))
                << file;
        }
    }
    EXPECT_EQ(test_files::read_file(dir_ / "python" / "Dockerfile"), cg::client_template("python/Dockerfile.pypy"));
    EXPECT_EQ(test_files::read_file(dir_ / "ruby" / "run.sh"), "set -ex\n\ncd /output\njruby ./main.rb \"$@\"");
}

TEST_F(ScriptPackagesTest, RunLocalStartsTheInterpreterInThePackage) {
    const auto at = [&](const char* language) { return options(language).target_dir; };
    EXPECT_EQ(cg::JavaScriptClient<Game>::run_local(options("js")), (cg::Command{"node", {"index.js"}, at("js")}));
    EXPECT_EQ(cg::PythonClient<Game>::run_local(options("py")), (cg::Command{"python3", {"main.py"}, at("py")}));
    EXPECT_EQ(cg::RubyClient<Game>::run_local(options("rb")), (cg::Command{"ruby", {"main.rb"}, at("rb")}));
}

TEST_F(ScriptPackagesTest, EachTestStrategyReplacesTheStrategyTemplate) {
    const auto files = velmora::client_gen::test_strategy_files();
    const std::pair<const char*, const char*> cases[] = {
        {"JavaScript", "my-strategy.js"}, {"Python", "my_strategy.py"}, {"Ruby", "my_strategy.rb"}};
    for (const auto& [language, file] : cases) {
        ASSERT_TRUE(files.contains(language)) << language;
        EXPECT_EQ(files.at(language).size(), 1u) << language;
        EXPECT_TRUE(files.at(language).contains(file)) << language;
    }
}

}  // namespace
