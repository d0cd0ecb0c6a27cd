#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <test_support/log_capture.hpp>
#include <vindle/testing/asset_fixture.hpp>

#include "velmora/renderer/draw/assets.hpp"

namespace {

using asset_test::FakeEngine;
using asset_test::Folder;
using asset_test::wait;
using vindle::asset::LoadAsset;
using namespace velmora::renderer;

const std::string NO_SUCH_FILE = "No such file or directory (os error 2)";

// A copy of the build's generated assets that a test may change.
struct AssetsCopy {
    AssetsCopy() : root(folder.path("assets")) {
        std::filesystem::copy(VELMORA_ASSETS_DIR, root, std::filesystem::copy_options::recursive);
    }
    // The path a load from `root` builds for a file of the table.
    std::string part(const std::string& relative) const { return root + "/./" + relative; }
    void remove(const std::string& relative) const { ASSERT_TRUE(std::filesystem::remove(part(relative))); }
    void write(const std::string& relative, const std::string& text) const {
        std::ofstream(part(relative), std::ios::binary) << text;
    }

    Folder folder;
    std::string root;
};

constexpr std::string_view ONE_TRIANGLE = "v 0 0 0\nv 1 0 0\nv 0 0 1\nvt 0 0\nvn 0 1 0\n";

// Every file's load is queued depth first in the order of the records'
// fields: the space part whole, then the schematic icons. One worker runs
// the queue in order, so its log shows the order of starting.
TEST(AssetsLoad, StartsEveryFileDepthFirstInFieldOrder) {
    IN_CHILD_WITH_LOG(kimbly::logger::LevelFilter::Info, [] {
        AssetsCopy copy;
        std::vector<std::string> expected;
        auto file = [&](const std::string& relative) { expected.push_back("INFO Loading \"" + copy.part(relative) + "\""); };
        auto seat_textures = [&](const std::string& folder) {
            for (int k = 1; k <= 4; ++k) file(folder + "/texture-" + std::to_string(k) + ".png");
        };
        for (std::string ship : {"ranged", "melee", "worker"}) {
            file("unit/" + ship + "/spaceship.obj");
            seat_textures("unit/" + ship);
            file("unit/" + ship + "/trail.png");
        }
        for (std::string name : {"glow.png", "cloud.obj", "explosion.png", "repair.png", "bullet.png"}) file(name);
        for (std::string building : {"base_a", "base_b", "base_c", "home", "wall", "turret"}) {
            file("buildings/" + building + "/model.obj");
            seat_textures("buildings/" + building);
        }
        for (std::string icon : {"unit/builder.png", "unit/ranged.png", "unit/melee.png", "buildings/house.png",
                                 "buildings/turret.png"}) {
            file(icon);
        }
        FakeEngine engine(1);
        auto future = LoadAsset<Assets>::load(engine, copy.root);
        EXPECT_TRUE(wait(*future).ok());
        EXPECT_EQ(expected.size(), 58u);
        EXPECT_EQ(test_support::LogCapture::records("vindle::asset::_impl"), expected);
    });
}

// The message of loading the record R from `path`, or "loaded".
template <class R>
std::string outcome(const std::string& path) {
    FakeEngine engine;
    auto future = LoadAsset<R>::load(engine, path);
    auto result = wait(*future);
    return result.ok() ? "loaded" : result.error().message();
}

// The first error in field order wins, at every level; ships and buildings
// wait for their parts in turn, so a model's error comes before its
// textures'. Each case loads the smallest record that shows it.
TEST(AssetsLoad, FailsWithTheFirstErrorInFieldOrder) {
    using space::Building;
    using space::Spaceship;
    struct Case {
        const char* what;
        std::function<void(const AssetsCopy&)> change;
        std::string (*load)(const std::string& path);
        std::string record;   // the record's path below the copy, as the whole load builds it
        std::string failing;  // the file named, or the whole message when it names none
    };
    const Case cases[] = {
        {"a missing model names its file", [](const AssetsCopy& c) { c.remove("buildings/wall/model.obj"); },
         &outcome<Building>, "./buildings/wall", "buildings/wall/model.obj"},
        {"a malformed model names its file",
         [](const AssetsCopy& c) { c.write("unit/ranged/spaceship.obj", "o spaceship\nv 0 0 0\nf 1 1 1\n"); },
         &outcome<Spaceship>, "./unit/ranged", "unit/ranged/spaceship.obj"},
        {"the space part before the schematic part",
         [](const AssetsCopy& c) {
             c.remove("unit/builder.png");
             c.remove("glow.png");
         },
         &outcome<Assets>, "", "glow.png"},
        {"fields before later fields",
         [](const AssetsCopy& c) {
             c.remove("buildings/home/texture-3.png");
             c.remove("explosion.png");
         },
         &outcome<space::Assets>, ".", "explosion.png"},
        {"a ship's textures in file order",
         [](const AssetsCopy& c) {
             c.remove("unit/melee/texture-4.png");
             c.remove("unit/melee/texture-2.png");
         },
         &outcome<Spaceship>, "./unit/melee", "unit/melee/texture-2.png"},
        {"a ship's model before its textures",
         [](const AssetsCopy& c) {
             c.remove("unit/melee/texture-1.png");
             c.write("unit/melee/spaceship.obj", "o hull\n" + std::string(ONE_TRIANGLE) + "f 1/1/1 2/1/1 3/1/1\n");
         },
         &outcome<Spaceship>, "./unit/melee", "unit/melee/spaceship.obj"},
        {"a building's model before its textures",
         [](const AssetsCopy& c) {
             c.remove("buildings/turret/texture-1.png");
             c.remove("buildings/turret/model.obj");
         },
         &outcome<Building>, "./buildings/turret", "buildings/turret/model.obj"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        AssetsCopy copy;
        c.change(copy);
        bool names_file = c.failing.find('.') != std::string::npos;
        EXPECT_EQ(c.load(c.record.empty() ? copy.root : copy.root + "/" + c.record),
                  names_file ? copy.part(c.failing) : c.failing);
    }
}

// A model file that reads and parses but lacks what the views look up by
// name fails the loading with its path and the missing mesh.
TEST(AssetsLoad, ModelsWithoutTheirNamedMeshNameTheirFile) {
    const std::string triangle = std::string(ONE_TRIANGLE) + "f 1/1/1 2/1/1 3/1/1\n";
    struct Case {
        const char* what;
        std::string file;  // below the copy
        std::string text;
        std::string error;
    };
    const Case cases[] = {
        {"an empty ship", "unit/ranged/spaceship.obj", "", "spaceship not found in obj"},
        {"a ship of only a trail", "unit/worker/spaceship.obj", "o trail\n" + triangle, "spaceship not found in obj"},
        {"an empty cloud", "cloud.obj", "", "Cube_Cube.001 not found in obj"},
        {"a cloud named otherwise", "cloud.obj", "o Cube\n" + triangle, "Cube_Cube.001 not found in obj"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        AssetsCopy copy;
        copy.write(c.file, c.text);
        FakeEngine engine;
        auto future = LoadAsset<Assets>::load(engine, copy.root);
        auto result = wait(*future);
        ASSERT_FALSE(result.ok());
        EXPECT_EQ(std::string(result.error().what()), copy.part(c.file) + ": " + c.error);
    }
}

TEST(AssetsLoad, MissingModelCarriesTheSystemsErrorAsCause) {
    AssetsCopy copy;
    copy.remove("unit/worker/spaceship.obj");
    FakeEngine engine;
    auto future = LoadAsset<Assets>::load(engine, copy.root);
    auto result = wait(*future);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(std::string(result.error().what()), copy.part("unit/worker/spaceship.obj") + ": " + NO_SUCH_FILE);
}

// Only "spaceship" is required of a ship's model; other meshes are dropped.
TEST(AssetsLoad, ShipWithoutTrailMeshLoadsWithoutTrail) {
    AssetsCopy copy;
    copy.write("unit/worker/spaceship.obj", "o spaceship\n" + std::string(ONE_TRIANGLE) +
                                                "f 1/1/1 2/1/1 3/1/1\no lights\nf 1/1/1 3/1/1 2/1/1\n");
    FakeEngine engine;
    auto future = LoadAsset<Assets>::load(engine, copy.root);
    auto assets = wait(*future).take();
    EXPECT_FALSE(assets.space.unit.worker.trail.has_value());
    EXPECT_EQ(assets.space.unit.worker.spaceship.record_count(), 3u);
    EXPECT_TRUE(assets.space.unit.melee.trail.has_value());
}

}  // namespace
