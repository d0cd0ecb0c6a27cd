// Client generation started from the command line with targets and options
// that must not cost the user a file: everything is checked before anything
// is removed. The program runs with a home folder of the test's own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <fmt/format.h>
#include <fmt/ranges.h>

#include "program_process.hpp"

namespace {

using namespace velmora_test;

class ClientGenTargets : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        home_ = path("home/user");
        fs::create_directories(home_);
        write_file(home_ / "notes.txt", "mine");
        fs::create_directories(path("out"));
        write_file(path("out/old.txt"), "old");
        write_file(path("afile"), "user data");
    }

    Outcome generate(std::vector<std::string> args) {
        args.insert(args.begin(), "--client-gen");
        return run(std::move(args), {"HOME=" + home_.string()});
    }

    void expect_untouched() {
        EXPECT_EQ(read_file(home_ / "notes.txt"), "mine");
        EXPECT_EQ(read_file(path("out/old.txt")), "old");
        EXPECT_EQ(read_file(path("afile")), "user data");
        EXPECT_FALSE(fs::exists(path("Dockerfile")));
    }

    fs::path home_;
};

TEST_F(ClientGenTargets, RefusedTargetsAndOptionsRemoveNothing) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string error;
    };
    const Case cases[] = {
        {{""}, 1, "Error: Refusing an empty target path; name the folder to generate into"},
        {{"", "--client-gen-preserve-files", "--client-gen-language", "Python"}, 1, "Error: Refusing an empty target path"},
        {{"afile"}, 1, "Error: Refusing to generate into afile: it is no folder"},
        {{"afile", "--client-gen-preserve-files"}, 1, "Error: Refusing to generate into afile: it is no folder"},
        {{"afile/sub"}, 1, "Error: Cannot create the folder afile/sub: " + path("afile").string() + " is no folder"},
        {{"/"}, 1, "Error: Refusing to remove /: it is the root folder"},
        {{home_.string()}, 1, "Error: Refusing to remove " + home_.string() + ": it is the home folder"},
        {{"home"}, 1, "Error: Refusing to remove home: it holds the home folder"},
        {{"."}, 1, "Error: Refusing to remove .: it holds the current directory"},
        {{".."}, 1, "Error: Refusing to remove ..: it holds the current directory"},
        {{"out", "--client-gen-language", "python"}, 1,
         "Error: Unknown language \"python\"; the known languages are Cpp, CSharp, Dlang, FSharp, Go, Java, "
         "JavaScript, Kotlin, Python, Ruby, Rust, Scala, Markdown"},
        {{"out", "--client-gen-language", "Go", "--client-gen-language", "Cobol"}, 1,
         "Error: Unknown language \"Cobol\""},
        {{"out", "--client-gen-options", R"({"Java": {"compiler": 5}})"}, 101, "Failed to parse gen options: "},
        {{"out", "--client-gen-language", "Markdown", "--client-gen-options", R"({"Markdown": {}})"}, 101,
         "Failed to parse gen options: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(fmt::format("{}", fmt::join(c.args, " ")));
        const auto outcome = generate(c.args);
        EXPECT_EQ(outcome.status, c.status) << outcome.err;
        EXPECT_TRUE(contains(outcome.err, c.error)) << outcome.err;
        EXPECT_FALSE(contains(outcome.err, "Generating")) << outcome.err;
        expect_untouched();
    }
}

TEST_F(ClientGenTargets, AWellFormedRunSaysWhatItRemoves) {
    const auto outcome = generate({"out", "--client-gen-language", "Go"});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_TRUE(contains(outcome.err, "Removing out with the 1 entry below it")) << outcome.err;
    EXPECT_FALSE(fs::exists(path("out/old.txt")));
    EXPECT_TRUE(fs::exists(path("out/main.go")));
}

}  // namespace
