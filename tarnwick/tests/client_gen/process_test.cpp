// Commands from one line of text, and how a child's end is judged.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include <unistd.h>

#include <pakko/io.hpp>
#include <test_support/panic_message.hpp>

#include "tarnwick/client_gen/error.hpp"
#include "tarnwick/client_gen/process.hpp"

namespace {

namespace fs = std::filesystem;
using namespace tarnwick::client_gen;

std::string error_of(const Command& command) {
    try {
        run(command);
    } catch (const std::exception& error) {
        return error.what();
    }
    return "";
}

TEST(Command, SplitsAtRunsOfWhiteSpace) {
    struct Case {
        std::string line;
        Command expected;
    };
    const Case cases[] = {
        {"./velmora", {"./velmora", {}, std::nullopt}},
        {"docker build -t tarnwick-test -", {"docker", {"build", "-t", "tarnwick-test", "-"}, std::nullopt}},
        {"  node   index.js  ", {"node", {"index.js"}, std::nullopt}},
        {"a\tb\nc\r\vd", {"a", {"b", "c", "d"}, std::nullopt}},
        // No-break and ideographic spaces are white space too; other
        // non-ASCII text stays inside its word.
        {"a\u00a0b\u3000c d\u00e9f", {"a", {"b", "c", "d\u00e9f"}, std::nullopt}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(command(c.line), c.expected);
    }
    EXPECT_EQ(test_support::panic_message([] { command(" \t "); }), "called `Option::unwrap()` on a `None` value");
}

TEST(Command, RunJudgesTheExitStatus) {
    EXPECT_EQ(error_of(command("true")), "");
    EXPECT_EQ(error_of(Command{"sh", {"-c", "exit 2"}, std::nullopt}), "Process exited with exit code: 2");
    EXPECT_EQ(error_of(Command{"sh", {"-c", "kill -9 $$"}, std::nullopt}), "Process exited with signal: 9");
    EXPECT_THROW(run(command("no-such-program-of-velmora")), pakko::IoError);
}

// A program that cannot start is named with where it was to run; only a
// program looked up on PATH gets the hint, whatever the language's tool.
TEST(Command, AStartFailureNamesTheProgram) {
    const fs::path dir = fs::temp_directory_path() / ("client_gen_start_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string missing = "No such file or directory (os error 2)";
    struct Case {
        Command command;
        std::string error;
    };
    const Case cases[] = {
        {command("no-such-tool-of-velmora build"),
         "Failed to start `no-such-tool-of-velmora`: " + missing + ". Is `no-such-tool-of-velmora` installed and on PATH?"},
        {Command{"python3-of-velmora", {"main.py"}, dir},
         "Failed to start `python3-of-velmora` in " + dir.string() + ": " + missing +
             ". Is `python3-of-velmora` installed and on PATH?"},
        {Command{"./velmora", {}, dir}, "Failed to start `./velmora` in " + dir.string() + ": " + missing},
        {Command{"sh", {}, dir / "gone"}, "Failed to start `sh` in " + (dir / "gone").string() + ": " + missing},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command.program);
        try {
            run(c.command);
            ADD_FAILURE() << "started";
        } catch (const pakko::IoError& error) {
            EXPECT_EQ(error.what(), c.error);
            EXPECT_EQ(error.kind(), pakko::ErrorKind::NotFound);
        }
    }
    fs::remove_all(dir);
}

TEST(Command, RunsInItsWorkingDirectoryWithPipedInput) {
    const fs::path dir = fs::temp_directory_path() / "client_gen_process_test";
    fs::remove_all(dir);
    fs::create_directories(dir);
    Child child(Command{"sh", {"-c", "pwd > where; cat > input"}, dir}, Child::Stdin::Piped);
    child.write_stdin_and_close("two\nlines");
    EXPECT_TRUE(child.wait().success());
    auto read = [&](const char* name) {
        std::ifstream in(dir / name, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    };
    EXPECT_EQ(read("where"), fs::canonical(dir).string() + "\n");
    EXPECT_EQ(read("input"), "two\nlines");
    fs::remove_all(dir);
}

TEST(Command, ADroppedChildIsEndedAndKillMayComeFromAnotherThread) {
    auto started = std::chrono::steady_clock::now();
    {
        Child child(command("sleep 30"));
    }
    Child child(command("sleep 30"));
    std::thread killer([&] { child.kill(); });
    EXPECT_EQ(child.wait().text(), "signal: 9");
    killer.join();
    child.kill();  // after the wait: nothing left to end
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));
}

}  // namespace
