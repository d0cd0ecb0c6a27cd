#pragma once
// Runs the real program as a process: exit status, standard output and
// standard error, in a folder of its own per test.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fmt/format.h>
#include <pakko/json.hpp>
#include <tarnwick/lib/results.hpp>
#include <test_support/files.hpp>

extern char** environ;

namespace velmora_test {

namespace fs = std::filesystem;

inline const fs::path EXE = VELMORA_EXE;

using test_support::read_file;

inline void write_file(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
    long max_rss_kib = 0;  // the most memory the program ever held
};

// One run of the program, with its output in files of its own folder.
class Process {
public:
    Process(const fs::path& dir, std::vector<std::string> args, std::vector<std::string> extra_env = {})
        : out_(dir / "stdout.txt"), err_(dir / "stderr.txt") {
        std::vector<std::string> env;
        for (char** entry = environ; *entry; ++entry) {
            const std::string_view inherited(*entry);
            // Development runs change into the source tree; tests control where.
            if (inherited.starts_with("VELMORA_DEV_SOURCE_DIR=")) continue;
            // A variable the test sets replaces the inherited one.
            const auto name = inherited.substr(0, inherited.find('=') + 1);
            if (std::any_of(extra_env.begin(), extra_env.end(), [&](const std::string& e) { return e.starts_with(name); })) {
                continue;
            }
            env.emplace_back(*entry);
        }
        env.emplace_back("NO_COLOR=1");
        for (auto& e : extra_env) env.push_back(std::move(e));
        args.insert(args.begin(), EXE.string());
        std::vector<char*> argv, envp;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        for (auto& e : env) envp.push_back(e.data());
        envp.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, out_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, 2, err_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
        if (posix_spawn(&pid_, EXE.c_str(), &actions, nullptr, argv.data(), envp.data()) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    Process(const Process&) = delete;
    ~Process() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }

    pid_t pid() const { return pid_; }

    // Waits at most `limit` for the program to end, then kills it.
    Outcome wait_at_most(std::chrono::seconds limit) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (pid_ > 0 && std::chrono::steady_clock::now() < end) {
            siginfo_t info{};
            if (::waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == pid_) {
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        if (pid_ > 0 && std::chrono::steady_clock::now() >= end) ::kill(pid_, SIGKILL);
        return wait();
    }

    Outcome wait() {
        Outcome outcome;
        int raw = 0;
        struct rusage usage {};
        if (pid_ > 0 && ::wait4(pid_, &raw, 0, &usage) == pid_) {
            outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
            outcome.max_rss_kib = usage.ru_maxrss;
        }
        pid_ = -1;
        outcome.out = read_file(out_);
        outcome.err = read_file(err_);
        return outcome;
    }

private:
    pid_t pid_ = -1;
    fs::path out_, err_;
};

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() / fmt::format("velmora_cli_{}_{}", ::getpid(), info->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    Outcome run(std::vector<std::string> args, std::vector<std::string> env = {}) {
        return Process(dir_, std::move(args), std::move(env)).wait();
    }
    fs::path path(const std::string& name) const { return dir_ / name; }
    std::string config(const std::string& name, const std::string& text) {
        write_file(path(name), text);
        return path(name).string();
    }

    fs::path dir_;
};

using Results = tarnwick::FullResults<std::vector<std::uint64_t>>;

// A short game on a small map, so that a debug build plays it in a moment.
inline std::string short_game(int ticks = 25) {
    return fmt::format(
        R"({{"Create": {{"Custom": {{"map_size": 30, "max_tick_count": {}, "initial_resource": 50,
            "passive_income": 0, "max_pathfind_nodes": 500, "fog_of_war": false,
            "starting_entities": [["BuilderBase", {{"x": 5, "y": 5}}], ["BuilderUnit", {{"x": 4, "y": 4}}],
                                  ["RangedUnit", {{"x": 12, "y": 4}}]]}}}}}})",
        ticks);
}

inline std::string match_config(const std::string& players, std::optional<std::uint64_t> seed = 7, int ticks = 25) {
    return fmt::format(R"({{"seed": {}, "game": {}, "players": [{}]}})", seed ? std::to_string(*seed) : "null",
                       short_game(ticks), players);
}

inline bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

inline Results read_results(const fs::path& file) {
    const std::string text = read_file(file);
    Results results = pakko::json::parse<Results>(text);
    // The file is exactly the pretty form: two-space indents, keys in field
    // order, null for absent values and no newline at the end.
    EXPECT_EQ(text, pakko::json::dump(results));
    return results;
}

}  // namespace velmora_test
