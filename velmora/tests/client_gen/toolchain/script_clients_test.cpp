// The packages run by an interpreter (JavaScript, Python, Ruby), generated
// and played against the test game by the program itself, as a user would
// run them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "client_gen/test_files.hpp"
#include "client_run.hpp"

namespace {

namespace fs = std::filesystem;

using test_files::read_file;
using client_run::run_program;

std::size_t count(const std::string& text, const std::string& piece) {
    std::size_t result = 0;
    for (auto at = text.find(piece); at != std::string::npos; at = text.find(piece, at + piece.size())) ++result;
    return result;
}

TEST(ScriptClients, PlayTheTestGameToSuccessAndFailWhenTheGameHangsUpEarly) {
    const fs::path dir = client_run::work_dir("script");
    const fs::path log = dir / "log.txt";
    const bool succeeded = run_program(
        {VELMORA_EXE, "--client-gen", (dir / "client").string(), "--client-gen-language", "Python",
         "--client-gen-language", "JavaScript", "--client-gen-language", "Ruby", "--client-gen-test-mode", "run",
         "--client-gen-options", R"({"Python": {"compiler": "CPython"}})"},
        log);
    const std::string output = read_file(log);
    EXPECT_TRUE(succeeded) << output;
    for (const char* line :
         {"Generating JavaScript with options ()",
          "Generating Python with options GenOptions {\n    compiler: CPython,\n    pakko: (),\n}",
          "Generating Ruby with options ()"}) {
        EXPECT_NE(output.find(line), std::string::npos) << line << "\n" << output;
    }
    EXPECT_EQ(count(output, "Client running time: "), 3u) << output;
    EXPECT_EQ(count(output, "Success"), 3u) << output;

    // Each client ends with a failure status when the game closes before Finish.
    const std::string closed_game =
        (fs::path(VELMORA_SOURCE_DIR) / "velmora/tests/client_gen/toolchain/programs/closed_game.js").string();
    const std::vector<std::vector<std::string>> clients{
        {"JavaScript", "node", "index.js"}, {"Python", "python3", "main.py"}, {"Ruby", "ruby", "main.rb"}};
    for (const auto& client : clients) {
        const fs::path client_log = dir / (client[0] + "_closed.txt");
        EXPECT_TRUE(run_program({"node", closed_game, (dir / "client" / client[0]).string(), client[1], client[2]},
                                client_log))
            << client[0] << ": " << read_file(client_log);
    }
    if (!HasFailure()) fs::remove_all(dir);
}

}  // namespace
