#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <vindle/testing/asset_fixture.hpp>

#include "velmora/renderer/draw/assets.hpp"
#include "viewer_gl_test.hpp"

namespace {

using vindle::asset::AssetResult;
using vindle::asset::LoadAsset;
using namespace velmora::renderer;

using AssetsGlTest = velmora::testing::ViewerGlTest;

AssetResult<Assets> load(vindle::Vindle& engine, const std::string& root) {
    auto future = LoadAsset<Assets>::load(engine, root);
    return asset_test::wait(*future);
}

TEST_F(AssetsGlTest, GeneratedFolderLoadsCompletely) {
    auto result = load(*engine, VELMORA_ASSETS_DIR);
    ASSERT_TRUE(result.ok()) << result.error().what();
    auto& assets = result.value();
    for (const auto* ship : {&assets.space.unit.ranged, &assets.space.unit.melee, &assets.space.unit.worker}) {
        EXPECT_GT(ship->spaceship.record_count(), 0u);
        EXPECT_TRUE(ship->trail.has_value());
    }
    const auto& b = assets.space.buildings;
    for (const auto* building : {&b.base_a, &b.base_b, &b.base_c, &b.home, &b.wall, &b.turret}) {
        EXPECT_GE(building->parts.size(), 2u);
        EXPECT_EQ(building->textures[3].size(), (kimbly::Vec2Usize{128, 128}));
    }
    EXPECT_EQ(assets.space.cloud.meshes.count("Cube_Cube.001"), 1u);
    EXPECT_EQ(assets.schematic.unit.melee.size(), (kimbly::Vec2Usize{64, 64}));
}

TEST_F(AssetsGlTest, CopyWithoutMeleeIconFailsNamingIt) {
    char pattern[] = "/tmp/velmora_assets_XXXXXX";
    std::filesystem::path folder = ::mkdtemp(pattern);
    std::string root = (folder / "assets").string();
    std::filesystem::copy(VELMORA_ASSETS_DIR, root, std::filesystem::copy_options::recursive);
    std::filesystem::remove(root + "/unit/melee.png");
    auto result = load(*engine, root);
    std::filesystem::remove_all(folder);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(std::string(result.error().what()),
              root + "/./unit/melee.png: No such file or directory (os error 2)");
}

}  // namespace
