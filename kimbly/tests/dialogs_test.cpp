#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "kimbly/dialogs.hpp"
#include "kimbly/dialogs/process_backend.hpp"
#include "pakko/io.hpp"
#include "test_support/files.hpp"

namespace fs = std::filesystem;

namespace {

fs::path make_temp_dir() {
    std::string pattern = (fs::path(testing::TempDir()) / "kimbly-dialogs-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    return pattern;
}

using test_support::read_file;

void write_text(pakko::Writer& writer, std::string_view text) {
    writer.write_all(std::as_bytes(std::span(text.data(), text.size())));
}

class FakeBackend final : public kimbly::dialogs::Backend {
public:
    std::optional<fs::path> answer;
    std::vector<std::string> calls;

    std::optional<fs::path> save_file(std::string_view title, std::string_view default_name) override {
        calls.push_back("save " + std::string(title) + " | " + std::string(default_name));
        return answer;
    }
    std::optional<fs::path> open_file(std::string_view title) override {
        calls.push_back("open " + std::string(title));
        return answer;
    }
};

class DialogsTest : public testing::Test {
protected:
    void SetUp() override {
        dir_ = make_temp_dir();
        previous_ = kimbly::dialogs::set_backend(fake_);
    }
    void TearDown() override {
        kimbly::dialogs::set_backend(previous_);
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir_);
    }

    fs::path dir_;
    std::shared_ptr<FakeBackend> fake_ = std::make_shared<FakeBackend>();
    std::shared_ptr<kimbly::dialogs::Backend> previous_;
};

TEST_F(DialogsTest, CancelledSaveWritesNothingAndSkipsTheWriter) {
    bool called = false;
    kimbly::save_file("Save game log", "game.log", [&](pakko::Writer&) { called = true; });
    EXPECT_FALSE(called);
    EXPECT_EQ(fake_->calls, std::vector<std::string>{"save Save game log | game.log"});
    EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(DialogsTest, SaveWritesEveryByteThroughTheBuffer) {
    // Larger than the buffer, so both the drained and the final flushed part count.
    std::string content;
    for (int i = 0; i < 3000; ++i) content += std::to_string(i) + ',';
    ASSERT_GT(content.size(), 8192u);
    fake_->answer = dir_ / "game.json";
    std::ofstream(dir_ / "game.json") << "an older and much longer file that must be truncated"
                                      << std::string(20000, 'x');

    kimbly::save_file("Save game state", "game.json",
                      [&](pakko::Writer& writer) { write_text(writer, content); });
    EXPECT_EQ(read_file(dir_ / "game.json"), content);
}

TEST_F(DialogsTest, SaveFailuresReachTheCaller) {
    struct Case {
        const char* name;
        std::function<fs::path(const fs::path& dir)> chosen;
        bool writer_fails;
    };
    const std::vector<Case> cases = {
        {"missing folder", [](const fs::path& dir) { return dir / "no-such-folder" / "game.json"; },
         false},
        // Few bytes, so the only failing write is the final flush.
        {"full disk", [](const fs::path&) { return fs::path("/dev/full"); }, false},
        {"content writer", [](const fs::path& dir) { return dir / "game.json"; }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fake_->answer = c.chosen(dir_);
        EXPECT_THROW(kimbly::save_file("Save game state", "game.json",
                                       [&](pakko::Writer& writer) {
                                           write_text(writer, "{}");
                                           if (c.writer_fails)
                                               throw pakko::IoError(pakko::ErrorKind::Other,
                                                                    "content failed");
                                       }),
                     pakko::IoError);
    }
}

TEST_F(DialogsTest, SaveIntoReadOnlyFolderFailsBeforeTheWriter) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    fake_->answer = dir_ / "game.log";
    bool called = false;
    EXPECT_THROW(kimbly::save_file("Save game log", "game.log",
                                   [&](pakko::Writer&) { called = true; }),
                 pakko::IoError);
    EXPECT_FALSE(called);
}

TEST_F(DialogsTest, SelectFileReturnsTheAnswer) {
    EXPECT_EQ(kimbly::select_file("Select file to replay"), std::nullopt);
    fake_->answer = "/some/game.log";
    EXPECT_EQ(kimbly::select_file("Load game state"), fs::path("/some/game.log"));
    EXPECT_EQ(fake_->calls,
              (std::vector<std::string>{"open Select file to replay", "open Load game state"}));
}

// Sets an environment variable for one scope.
class EnvGuard {
public:
    EnvGuard(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~EnvGuard() {
        if (old_) {
            ::setenv(name_, old_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

// A stand-in dialog program: records its arguments one per line, prints an
// answer and exits with a given status.
fs::path write_fake_program(const fs::path& dir, const std::string& answer, int status) {
    const fs::path program = dir / "fake-dialog";
    std::ofstream(program) << "#!/bin/sh\n"
                           << "for a in \"$@\"; do printf '%s\\n' \"$a\" >> '" << (dir / "args").string()
                           << "'; done\n"
                           << "printf '%s' '" << answer << "'\n"
                           << "exit " << status << "\n";
    fs::permissions(program, fs::perms::owner_all);
    return program;
}

class ProcessBackendTest : public testing::Test {
protected:
    void SetUp() override { dir_ = make_temp_dir(); }
    void TearDown() override { fs::remove_all(dir_); }

    std::vector<std::string> recorded_arguments() const {
        std::vector<std::string> lines;
        std::ifstream in(dir_ / "args");
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }

    fs::path dir_;
};

TEST_F(ProcessBackendTest, AnswersOfTheProgram) {
    EnvGuard display("DISPLAY", ":0");
    struct Case {
        const char* name;
        std::string printed;
        int status;
        std::optional<fs::path> expected;
    };
    const std::vector<Case> cases = {
        {"chosen", "/home/me/my game.json\n", 0, fs::path("/home/me/my game.json")},
        {"chosen without line feed", "/tmp/a.log", 0, fs::path("/tmp/a.log")},
        {"cancelled", "", 1, std::nullopt},
        {"empty answer", "\n", 0, std::nullopt},
        {"program error", "/tmp/a.log\n", 255, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        kimbly::dialogs::ProcessBackend backend(
            {write_fake_program(dir_, c.printed, c.status), kimbly::dialogs::Tool::Zenity});
        EXPECT_EQ(backend.open_file("Select file to repeat"), c.expected);
    }
}

TEST_F(ProcessBackendTest, ArgumentsArriveAsGivenWithoutAShell) {
    EnvGuard display("DISPLAY", ":0");
    const std::string title = "Save \"game\"; touch " + (dir_ / "pwned").string() + " $(id) 'x'";
    struct Case {
        kimbly::dialogs::Tool tool;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {kimbly::dialogs::Tool::Zenity,
         {"--file-selection", "--save", "--confirm-overwrite", "--title=" + title,
          "--filename=game state.json"}},
        {kimbly::dialogs::Tool::Kdialog, {"--title", title, "--getsavefilename", "game state.json"}},
    };
    for (const auto& c : cases) {
        fs::remove(dir_ / "args");
        kimbly::dialogs::ProcessBackend backend({write_fake_program(dir_, "", 1), c.tool});
        EXPECT_EQ(backend.save_file(title, "game state.json"), std::nullopt);
        EXPECT_EQ(recorded_arguments(), c.expected);
    }
    EXPECT_FALSE(fs::exists(dir_ / "pwned"));
}

TEST_F(ProcessBackendTest, MissingProgramOrDisplayCountsAsCancelled) {
    const fs::path program = write_fake_program(dir_, "/tmp/chosen.json\n", 0);
    {
        EnvGuard display("DISPLAY", nullptr);
        EnvGuard wayland("WAYLAND_DISPLAY", nullptr);
        kimbly::dialogs::ProcessBackend backend({program, kimbly::dialogs::Tool::Zenity});
        EXPECT_EQ(backend.save_file("Save game log", "game.log"), std::nullopt);
        EXPECT_FALSE(fs::exists(dir_ / "args")) << "the program must not run without a display";
    }
    {
        EnvGuard display("DISPLAY", ":0");
        kimbly::dialogs::ProcessBackend backend(
            {dir_ / "no-such-program", kimbly::dialogs::Tool::Zenity});
        EXPECT_EQ(backend.open_file("Load game state"), std::nullopt);
    }
    {
        EnvGuard display("DISPLAY", ":0");
        EnvGuard path("PATH", dir_.c_str());
        kimbly::dialogs::ProcessBackend backend;  // finds nothing on PATH
        EXPECT_EQ(backend.open_file("Load game state"), std::nullopt);
    }
}

}  // namespace
