// The harness with stand-in languages, a recording test game and a docker
// stand-in on PATH.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <test_support/log_capture.hpp>
#include <test_support/panic_message.hpp>

#include "tarnwick/client_gen/harness.hpp"
#include "test_support/files.hpp"

namespace {

namespace fs = std::filesystem;
using namespace tarnwick::client_gen;

std::vector<std::string> calls;

using test_support::read_file;

template <const char* Name, bool Fails = false>
struct FakeLanguage {
    static constexpr std::string_view NAME = Name;
    using GenOptions = pakko_gen::EmptyOptions;
    static void gen(const ClientGenOptions& options, GenOptions) {
        calls.push_back(std::string("gen ") + Name + " " + options.target_dir.filename().string());
        if (Fails) throw Error("cannot generate");
        write_file(options.target_dir / "strategy.txt", "template");
        write_file(options.target_dir / "Dockerfile", "FROM scratch");
    }
    static void build_local(const ClientGenOptions&) { calls.push_back(std::string("build ") + Name); }
    static Command run_local(const ClientGenOptions& options) { return Command{"client", {}, options.target_dir}; }
};

constexpr char ALPHA[] = "Alpha";
constexpr char BETA[] = "Beta";
constexpr char BROKEN[] = "Broken";
constexpr char DOC[] = "Doc";

using Alpha = FakeLanguage<ALPHA>;
using Beta = FakeLanguage<BETA>;
using Broken = FakeLanguage<BROKEN, true>;
struct Doc : FakeLanguage<DOC> {
    static constexpr bool GENERATED_ONLY = true;
};

class HarnessTest : public ::testing::Test {
protected:
    void SetUp() override {
        calls.clear();
        root_ = fs::temp_directory_path() / ("client_gen_harness_" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_);
        options_ = {"velmora", root_ / "out", "0.1.0"};
        game_ = [this](const Command& client, const std::optional<std::string>& host) {
            clients_.push_back(client);
            calls.push_back("game " + host.value_or("-"));
        };
    }
    void TearDown() override {
        if (!path_.empty()) ::setenv("PATH", path_.c_str(), 1);
        if (home_) ::setenv("HOME", home_->c_str(), 1);
        fs::remove_all(root_);
    }

    // A home folder of the test's own, so that no check ever meets the real one.
    fs::path fake_home() {
        const fs::path home = root_ / "home" / "user";
        fs::create_directories(home);
        if (const char* real = std::getenv("HOME")) home_ = real;
        ::setenv("HOME", home.c_str(), 1);
        return home;
    }

    template <class... Languages>
    std::string test(TestOptions test_options, const std::optional<std::set<std::string>>& filter = std::nullopt,
                     const GenOptionsByLanguage& gen_options = {}) {
        try {
            test_all<Languages...>({options_, strategies_, filter, gen_options, test_options, game_});
        } catch (const std::exception& error) {
            return error.what();
        }
        return "";
    }

    // A docker that records each call's arguments, working directory and,
    // when it reads from "-", its standard input, and fails the base build
    // with `base_status`.
    void install_docker(int base_status = 0) {
        const fs::path bin = root_ / "bin";
        fs::create_directories(bin);
        std::ofstream(bin / "docker") << "#!/bin/sh\n"
                                      << "log=" << (root_ / "docker.log").string() << "\n"
                                      << "echo \"$* @ $(pwd)\" >> $log\n"
                                      << "for last; do :; done\n"
                                      << "if [ \"$last\" = - ]; then cat > " << (root_ / "stdin").string()
                                      << "; exit " << base_status << "; fi\n";
        fs::permissions(bin / "docker", fs::perms::owner_all);
        path_ = std::getenv("PATH");
        ::setenv("PATH", (bin.string() + ":" + path_).c_str(), 1);
    }

    fs::path root_;
    ClientGenOptions options_;
    StrategyFiles strategies_{{"Alpha", {{"strategy.txt", "test strategy"}}}};
    TestGame game_;
    std::vector<Command> clients_;
    std::string path_;
    std::optional<std::string> home_;
};

TEST_F(HarnessTest, ChoosesOnePackageDirectoryPerLanguageUnlessOneIsSelected) {
    struct Case {
        std::optional<std::set<std::string>> filter;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {std::nullopt, {"gen Alpha Alpha", "gen Beta Beta"}},
        {std::set<std::string>{"Beta", "Alpha"}, {"gen Alpha Alpha", "gen Beta Beta"}},
        {std::set<std::string>{"Beta"}, {"gen Beta out"}},
    };
    for (const auto& c : cases) {
        calls.clear();
        EXPECT_EQ((test<Alpha, Beta>({}, c.filter)), "");
        EXPECT_EQ(calls, c.calls);
    }
    // Test strategies replace the package's own.
    EXPECT_EQ((test<Alpha, Beta>({})), "");
    EXPECT_EQ(read_file(root_ / "out" / "Alpha" / "strategy.txt"), "test strategy");
    EXPECT_EQ(read_file(root_ / "out" / "Beta" / "strategy.txt"), "template");
}

TEST_F(HarnessTest, CleansFirstUnlessFilesArePreserved) {
    write_file(root_ / "out" / "old.txt", "old");
    EXPECT_EQ((test<Alpha>({.clean = false})), "");
    EXPECT_TRUE(fs::exists(root_ / "out" / "old.txt"));
    EXPECT_EQ((test<Alpha>({.clean = true})), "");
    EXPECT_FALSE(fs::exists(root_ / "out" / "old.txt"));
}

TEST_F(HarnessTest, SaysWhatItRemovesBeforeRemovingIt) {
    struct Case {
        std::vector<std::string> files;
        std::string line;
    };
    const std::string out = (root_ / "out").string();
    const Case cases[] = {
        {{}, "INFO Removing " + out + " with the 0 entries below it"},
        {{"old.txt"}, "INFO Removing " + out + " with the 1 entry below it"},
        // Folders count as entries too.
        {{"old.txt", "deep/er/file.txt"}, "INFO Removing " + out + " with the 4 entries below it"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        fs::create_directories(root_ / "out");
        for (const auto& file : c.files) write_file(root_ / "out" / file, "old");
        IN_CHILD_WITH_LOG(kimbly::logger::LevelFilter::Info, [&] {
            EXPECT_EQ((test<Alpha>({})), "");
            const auto lines = test_support::LogCapture::records(LOG_TARGET);
            ASSERT_FALSE(lines.empty());
            EXPECT_EQ(lines.front(), c.line);
        });
        fs::remove_all(root_ / "out");
    }
    // Nothing to remove, nothing said.
    IN_CHILD_WITH_LOG(kimbly::logger::LevelFilter::Info, [&] {
        EXPECT_EQ((test<Alpha>({})), "");
        const auto lines = test_support::LogCapture::records(LOG_TARGET);
        ASSERT_FALSE(lines.empty());
        EXPECT_TRUE(lines.front().starts_with("INFO Generating Alpha")) << lines.front();
    });
}

TEST_F(HarnessTest, ChecksNamesTargetAndOptionsBeforeRemovingAnything) {
    write_file(root_ / "out" / "old.txt", "old");
    write_file(root_ / "afile", "user data");
    const std::string known = "; the known languages are Alpha, Beta";
    const std::string afile = (root_ / "afile").string();
    struct Case {
        std::string name;
        std::optional<std::set<std::string>> filter;
        fs::path target;
        GenOptionsByLanguage gen_options;
        std::string error;
        bool stops = false;  // a fatal stop with `error` instead of an error
    };
    auto json = [](const char* text) { return pakko::json::Value::parse(text); };
    const Case cases[] = {
        {"wrong case", std::set<std::string>{"alpha"}, root_ / "out", {}, "Unknown language \"alpha\"" + known},
        {"one unknown of two", std::set<std::string>{"Alpha", "python"}, root_ / "out", {},
         "Unknown language \"python\"" + known},
        {"empty target", std::nullopt, "", {}, "Refusing an empty target path; name the folder to generate into"},
        {"file target", std::nullopt, root_ / "afile", {}, "Refusing to generate into " + afile + ": it is no folder"},
        {"below a file", std::nullopt, root_ / "afile" / "sub", {},
         "Cannot create the folder " + afile + "/sub: " + afile + " is no folder"},
        {"deeper below a file", std::nullopt, root_ / "afile" / "sub" / "deeper", {},
         "Cannot create the folder " + afile + "/sub/deeper: " + afile + " is no folder"},
        {"options of the wrong type", std::nullopt, root_ / "out", {{"Beta", json("{}")}},
         "Failed to parse gen options: invalid type: map, expected unit", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        calls.clear();
        options_.target_dir = c.target;
        if (c.stops) {
            EXPECT_EQ(test_support::panic_message([&] { test<Alpha, Beta>({}, c.filter, c.gen_options); }), c.error);
        } else {
            EXPECT_EQ((test<Alpha, Beta>({}, c.filter, c.gen_options)), c.error);
        }
        EXPECT_TRUE(calls.empty());
        EXPECT_EQ(read_file(root_ / "out" / "old.txt"), "old");
        EXPECT_EQ(read_file(root_ / "afile"), "user data");
    }
    // Options of a language that is not selected are never read.
    options_.target_dir = root_ / "out";
    EXPECT_EQ((test<Alpha, Beta>({}, std::set<std::string>{"Alpha"}, {{"Beta", json("{}")}})), "");
}

TEST_F(HarnessTest, StopsAtTheFirstFailure) {
    EXPECT_EQ((test<Alpha, Broken, Beta>({})), "cannot generate");
    EXPECT_EQ(calls, (std::vector<std::string>{"gen Alpha Alpha", "gen Broken Broken"}));
    EXPECT_FALSE(fs::exists(root_ / "out" / "Beta"));
}

TEST_F(HarnessTest, EmptyOptionsAcceptOnlyNull) {
    auto json = [](const char* text) { return pakko::json::Value::parse(text); };
    EXPECT_EQ((test<Alpha>({}, std::nullopt, {{"Alpha", json("null")}, {"Other", json("{}")}})), "");
    EXPECT_EQ(test_support::panic_message([&] { test<Alpha>({}, std::nullopt, {{"Alpha", json("{}")}}); }),
              "Failed to parse gen options: invalid type: map, expected unit");
    EXPECT_EQ(test_support::panic_message([&] { test<Alpha>({}, std::nullopt, {{"Alpha", json("false")}}); }),
              "Failed to parse gen options: invalid type: boolean `false`, expected unit");
}

TEST_F(HarnessTest, ModesChooseTheStepsAfterGenerating) {
    struct Case {
        TestMode mode;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {TestMode::Gen, {"gen Alpha Alpha", "gen Doc Doc"}},
        {TestMode::Build, {"gen Alpha Alpha", "build Alpha", "gen Doc Doc"}},
        {TestMode::Run, {"gen Alpha Alpha", "build Alpha", "game docker.host", "gen Doc Doc"}},
    };
    for (const auto& c : cases) {
        calls.clear();
        EXPECT_EQ((test<Alpha, Doc>({.host_from_docker = "docker.host", .mode = c.mode})), "");
        EXPECT_EQ(calls, c.calls);
    }
    // A local client always gets the local host.
    ASSERT_EQ(clients_.size(), 1u);
    EXPECT_EQ(clients_[0], (Command{"client", {"127.0.0.1", "31005", "HORNBEAM_QUAIL"}, root_ / "out" / "Alpha"}));
}

TEST_F(HarnessTest, DockerModesBuildBothImagesAndRunTheClientInDocker) {
    install_docker();
    EXPECT_EQ((test<Alpha, Doc>({.mode = TestMode::RunDocker})), "");
    const auto package = root_ / "out" / "Alpha";
    EXPECT_EQ(read_file(root_ / "docker.log"), "build -t tarnwick-test:Alpha . @ " + package.string() + "\n" +
                                                   "build -t tarnwick-test - @ " + fs::current_path().string() +
                                                   "\n");
    EXPECT_EQ(read_file(root_ / "stdin"), "FROM tarnwick-test:Alpha\nRUN mkdir /output && sh compile.sh base");
    EXPECT_EQ(calls, (std::vector<std::string>{"gen Alpha Alpha", "game -", "gen Doc Doc"}));
    const std::vector<std::string> args{"run", "--rm", "--name", "tarnwick-test", "--network", "host",
                                        "tarnwick-test", "sh", "run.sh", "localhost", "31005", "HORNBEAM_QUAIL"};
    ASSERT_EQ(clients_.size(), 1u);
    EXPECT_EQ(clients_[0], (Command{"docker", args, package}));

    EXPECT_EQ((test<Alpha>({.host_from_docker = "10.0.0.2", .mode = TestMode::RunDocker})), "");
    ASSERT_EQ(clients_.size(), 2u);
    EXPECT_EQ(clients_[1].args[9], "10.0.0.2");
}

TEST_F(HarnessTest, AFailedBaseBuildEndsTheRun) {
    install_docker(1);
    EXPECT_EQ((test<Alpha, Beta>({.mode = TestMode::BuildDocker})), "Process exited with exit code: 1");
    EXPECT_EQ(calls, (std::vector<std::string>{"gen Alpha Alpha"}));
}

TEST_F(HarnessTest, RefusesToRemoveWhatHoldsTheUsersFiles) {
    const fs::path cwd = fs::current_path();
    const fs::path home = fake_home();
    write_file(home / "notes.txt", "mine");
    fs::create_directories(home / "sub");
    fs::create_directories(root_ / "work" / "inner");
    fs::current_path(root_ / "work" / "inner");
    struct Case {
        fs::path target;
        std::string reason;
    };
    const Case cases[] = {
        {".", "it holds the current directory"},
        {"./", "it holds the current directory"},
        {"..", "it holds the current directory"},
        {"../..", "it holds the current directory"},
        {"/", "it is the root folder"},
        {home, "it is the home folder"},
        {home / "sub" / "..", "it is the home folder"},
        {home.parent_path(), "it holds the home folder"},
        {"../../home", "it holds the home folder"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target.string());
        calls.clear();
        options_.target_dir = c.target;
        EXPECT_EQ((test<Alpha>({})), "Refusing to remove " + c.target.string() + ": " + c.reason);
        EXPECT_TRUE(calls.empty());
    }
    EXPECT_TRUE(fs::exists(root_ / "work" / "inner"));
    EXPECT_EQ(read_file(home / "notes.txt"), "mine");
    // Preserving files removes nothing, so any folder will do; a sibling of
    // the current directory, or a folder inside the home folder, may be
    // cleaned.
    options_.target_dir = ".";
    EXPECT_EQ((test<Alpha>({.clean = false})), "");
    options_.target_dir = "../sibling";
    EXPECT_EQ((test<Alpha>({})), "");
    options_.target_dir = home / "clients";
    EXPECT_EQ((test<Alpha>({})), "");
    fs::current_path(cwd);
}

}  // namespace
