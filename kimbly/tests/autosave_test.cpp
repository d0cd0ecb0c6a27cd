#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "kimbly/autosave.hpp"
#include "test_support/log_capture.hpp"
#include "pakko/describe.hpp"

namespace fs = std::filesystem;
using kimbly::autosave::AutoSave;

namespace autosave_test {

struct Prefs {
    float volume = 0.5f;
    std::int32_t speed = 0;
    std::string renderer = "2d";
    bool operator==(const Prefs&) const = default;
};

constexpr auto pakko_describe(pakko::Tag<Prefs>) {
    return pakko::record<Prefs>("Prefs", pakko::no_doc(), pakko::field("volume", &Prefs::volume),
                                pakko::field("speed", &Prefs::speed),
                                pakko::field("renderer", &Prefs::renderer));
}

}  // namespace autosave_test

namespace {

using autosave_test::Prefs;
constexpr std::string_view TARGET = "kimbly::autosave";

std::optional<std::string> read_file_if_present(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class AutoSaveTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::path(testing::TempDir()) / "kimbly-autosave-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        path_ = dir_ / "velmora-preferences.json";
    }
    void TearDown() override { fs::remove_all(dir_); }

    void write(const fs::path& path, const std::string& text) const {
        std::ofstream(path, std::ios::binary) << text;
    }
    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_)) names.push_back(entry.path().filename());
        return names;
    }
    std::string quoted() const { return "\"" + path_.string() + "\""; }

    // Runs a check in a child with the logger capturing from info level.
    void in_child(const std::function<void()>& body) {
        IN_CHILD_WITH_LOG(kimbly::logger::LevelFilter::Info, body);
    }

    fs::path dir_;
    fs::path path_;
};
using test_support::LogCapture;

TEST_F(AutoSaveTest, LoadReadsTheFileOrFallsBackToDefaults) {
    in_child([&] {
        const std::string defaults = pakko::json::dump(Prefs{});
        struct Case {
            const char* name;
            std::optional<std::string> file;
            std::string logged;  // the start of the one record
            Prefs value;
            std::string file_after;
        };
        const std::string good = R"({"renderer": "3d", "speed": 3, "volume": 0.25})";
        const std::vector<Case> cases = {
            {"missing file", std::nullopt,
             "WARN Failed to open " + quoted() + ": No such file or directory", Prefs{}, defaults},
            {"invalid JSON", "{\"volume\": 0.5,", "ERROR Failed to deserialize " + quoted() + ": ",
             Prefs{}, defaults},
            {"wrong shape", R"({"volume": "loud", "speed": 1, "renderer": "2d"})",
             "ERROR Failed to deserialize " + quoted() + ": ", Prefs{}, defaults},
            {"valid file", good, "INFO Successfully loaded " + quoted(), Prefs{0.25f, 3, "3d"}, good},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            fs::remove(path_);
            if (c.file) write(path_, *c.file);
            LogCapture::clear();
            {
                auto prefs = AutoSave<Prefs>::load(path_);
                EXPECT_EQ(prefs.read(), c.value);
                EXPECT_EQ(read_file_if_present(path_), c.file_after);
                const auto records = LogCapture::records(TARGET);
                ASSERT_EQ(records.size(), 1u);
                EXPECT_EQ(records[0].rfind(c.logged, 0), 0u) << records[0];
            }
            EXPECT_EQ(files(), std::vector<std::string>{path_.filename()});
        }
    });
}

TEST_F(AutoSaveTest, WritesWhenAChangedValueIsReadAndWhenDropped) {
    in_child([&] {
        std::optional<AutoSave<Prefs>> prefs(AutoSave<Prefs>::load(path_));
        fs::remove(path_);

        prefs->write().speed = 5;
        EXPECT_FALSE(fs::exists(path_)) << "write access alone writes nothing";

        EXPECT_EQ(prefs->read().speed, 5);
        EXPECT_EQ(read_file_if_present(path_), pakko::json::dump(Prefs{0.5f, 5, "2d"}));
        fs::remove(path_);

        EXPECT_EQ(prefs->read().speed, 5);
        EXPECT_FALSE(fs::exists(path_)) << "a read without a change writes nothing";

        prefs.reset();
        EXPECT_EQ(read_file_if_present(path_), pakko::json::dump(Prefs{0.5f, 5, "2d"}))
            << "dropping the holder writes even without a change";
        EXPECT_EQ(files(), std::vector<std::string>{path_.filename()});
    });
}

TEST_F(AutoSaveTest, SavingReplacesTheFileInsteadOfRewritingIt) {
    in_child([&] {
        const std::string old_text = pakko::json::dump(Prefs{0.75f, 2, "3d"});
        write(path_, old_text);
        // A second name of the old file: rewriting in place would change it too,
        // so a crash mid-write could have left a cut file behind.
        fs::create_hard_link(path_, dir_ / "old");
        {
            auto prefs = AutoSave<Prefs>::load(path_);
            prefs.write().volume = 1.0f;
            EXPECT_EQ(prefs.read().volume, 1.0f);
        }
        EXPECT_EQ(read_file_if_present(dir_ / "old"), old_text);
        EXPECT_EQ(read_file_if_present(path_), pakko::json::dump(Prefs{1.0f, 2, "3d"}));
    });
}

// Temporary files of the save that were left behind anywhere under `dir`.
std::vector<std::string> leftovers(const fs::path& dir) {
    std::vector<std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
        if (entry.path().extension() == ".tmp") found.push_back(entry.path().string());
    }
    return found;
}

TEST_F(AutoSaveTest, SavingThroughASymbolicLinkReplacesItsTargetAndKeepsTheLink) {
    in_child([&] {
        fs::create_directory(dir_ / "shared");
        write(dir_ / "shared" / "prefs.json", pakko::json::dump(Prefs{0.75f, 2, "3d"}));
        fs::create_symlink("shared/prefs.json", path_);
        {
            auto prefs = AutoSave<Prefs>::load(path_);
            prefs.write().speed = 9;
        }
        EXPECT_TRUE(fs::is_symlink(path_));
        EXPECT_EQ(read_file_if_present(dir_ / "shared" / "prefs.json"), pakko::json::dump(Prefs{0.75f, 9, "3d"}));
        EXPECT_EQ(leftovers(dir_), std::vector<std::string>{});
        EXPECT_EQ(LogCapture::records(TARGET).size(), 1u) << "only the loading is logged";
    });
}

TEST_F(AutoSaveTest, AFolderThatCannotTakeATemporaryFileHasTheFileRewrittenInPlace) {
    const fs::path locked = dir_ / "locked";
    fs::create_directory(locked);
    const fs::path file = locked / "prefs.json";
    write(file, pakko::json::dump(Prefs{}));
    fs::permissions(file, fs::perms::all);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    in_child([&] {
        // Permissions do not bind the superuser: the check runs as nobody.
        if (::geteuid() == 0) {
            constexpr uid_t NOBODY = 65534;
            ASSERT_EQ(::chown(dir_.c_str(), NOBODY, NOBODY), 0);
            ASSERT_EQ(::chown(file.c_str(), NOBODY, NOBODY), 0);
            ASSERT_EQ(::setgid(NOBODY), 0);
            ASSERT_EQ(::setuid(NOBODY), 0);
        }
        {
            auto prefs = AutoSave<Prefs>::load(file);
            prefs.write().renderer = "3d";
        }
        EXPECT_EQ(read_file_if_present(file), pakko::json::dump(Prefs{0.5f, 0, "3d"}));
        EXPECT_EQ(leftovers(dir_), std::vector<std::string>{});
        EXPECT_EQ(LogCapture::records(TARGET).size(), 1u) << "only the loading is logged";
    });
    fs::permissions(locked, fs::perms::owner_all);
}

TEST_F(AutoSaveTest, FileFailuresAreLoggedNeverThrown) {
    in_child([&] {
        struct Case {
            const char* name;
            fs::path path;
            std::string logged;  // the start of the last record
        };
        const fs::path in_missing_folder = dir_ / "missing" / "prefs.json";
        const fs::path folder = dir_ / "a-folder";
        fs::create_directory(folder);
        const std::vector<Case> cases = {
            {"folder missing", in_missing_folder,
             "ERROR Failed to create \"" + in_missing_folder.string() + "\": No such file"},
            {"path is a folder", folder, "ERROR Failed to save \"" + folder.string() + "\": "},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            LogCapture::clear();
            EXPECT_NO_THROW({
                auto prefs = AutoSave<Prefs>::load(c.path);
                EXPECT_EQ(prefs.read(), Prefs{});
            });
            const auto records = LogCapture::records(TARGET);
            ASSERT_FALSE(records.empty());
            EXPECT_EQ(records.back().rfind(c.logged, 0), 0u) << records.back();
            EXPECT_EQ(files(), std::vector<std::string>{"a-folder"}) << "no temporary file is left";
        }
    });
}

}  // namespace
