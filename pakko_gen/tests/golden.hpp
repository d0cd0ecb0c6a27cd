#pragma once
// Golden-text checks of generated file sets. The expected files live under
// pakko_gen/tests/golden/<language>/<case>/; running the tests with
// PAKKO_GEN_UPDATE_GOLDEN=1 rewrites them from the generator's output, to be
// reviewed like any other change.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "pakko_gen/gen_result.hpp"
#include "pakko_gen/generator.hpp"

namespace pakko_gen::testing {

inline std::filesystem::path golden_root() {
    return std::filesystem::path(VELMORA_SOURCE_DIR) / "pakko_gen" / "tests" / "golden";
}

// The named types of the real roots in the order generators meet them, as
// the C++, JavaScript, Ruby and Python generators name them.
inline std::vector<std::string> real_root_types() {
    return {"Vec2Float",       "Color",            "ColoredVertex",    "PrimitiveType",    "DebugData",
            "DebugCommand",    "Vec2Int",          "MoveAction",       "EntityType",       "BuildAction",
            "AutoAttack",      "AttackAction",     "RepairAction",     "EntityAction",     "Action",
            "ClientMessage",   "BuildProperties",  "AttackProperties", "RepairProperties", "EntityProperties",
            "Player",          "Entity",           "PlayerView",       "ServerMessage",    "Camera",
            "DebugState"};
}

// The content of the file at `path`; empty when there is none.
inline std::string file_text(const GenResult& result, const std::string& path) {
    for (const auto& file : result.files) {
        if (file.path == path) return file.content;
    }
    return {};
}

inline std::string read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The files of generator G over `roots`, for the project velmora 0.1.0.
template <Generator G>
GenResult generate(const std::vector<pakko::SchemaPtr>& roots) {
    GeneratorImpl<G> impl("velmora", "0.1.0", {});
    for (const auto& root : roots) impl.add(*root);
    return std::move(impl).result();
}

// Every generated file but the skipped ones equals its golden copy, and the
// golden directory holds no file that was not generated.
inline void expect_golden(const GenResult& result, const std::filesystem::path& dir,
                          const std::set<std::string>& skipped) {
    namespace fs = std::filesystem;
    const char* update = std::getenv("PAKKO_GEN_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") {
        fs::remove_all(dir);
        GenResult kept;
        for (const auto& file : result.files) {
            if (!skipped.contains(file.path.generic_string())) kept.files.push_back(file);
        }
        kept.write_to(dir);
    }
    std::set<std::string> generated;
    for (const auto& file : result.files) {
        auto path = file.path.generic_string();
        if (skipped.contains(path)) continue;
        generated.insert(path);
        EXPECT_EQ(file.content, read_file(dir / file.path)) << dir.filename() << ": " << path;
    }
    std::set<std::string> golden;
    if (fs::exists(dir)) {
        for (const auto& entry : fs::recursive_directory_iterator(dir)) {
            if (entry.is_regular_file()) golden.insert(entry.path().lexically_relative(dir).generic_string());
        }
    }
    EXPECT_EQ(generated, golden) << dir.filename();
}

}  // namespace pakko_gen::testing
