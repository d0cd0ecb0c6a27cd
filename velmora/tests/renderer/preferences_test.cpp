#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include <kimbly/autosave.hpp>
#include <pakko/json.hpp>

#include "velmora/renderer/preferences.hpp"
#include "test_support/files.hpp"

namespace {

using velmora::camera::Camera;
using velmora::renderer::Preferences;
using velmora::renderer::RendererMode;

const std::string DEFAULT_FILE =
    "{\n  \"view_speed_modifier\": 0.0,\n  \"volume\": 0.5,\n  \"renderer\": {\n    \"mode\": \"Space\",\n"
    "    \"camera\": null\n  }\n}";

TEST(Preferences, DefaultsAndTheirExactFile) {
    const Preferences defaults;
    EXPECT_EQ(defaults.view_speed_modifier, 0.0);
    EXPECT_EQ(defaults.volume, 0.5);
    EXPECT_EQ(defaults.renderer.mode, RendererMode::Space);
    EXPECT_FALSE(defaults.renderer.camera);
    EXPECT_EQ(pakko::json::dump(defaults), DEFAULT_FILE);
}

TEST(Preferences, CameraFieldsAreWrittenAsShortest32BitFloats) {
    Preferences preferences;
    preferences.view_speed_modifier = -1.25;
    preferences.renderer.mode = RendererMode::Schematic;
    preferences.renderer.camera = Camera{{40.1f, 0.3f}, 0.1f, velmora::camera::HALF_PI, 28.444f, false};
    EXPECT_EQ(pakko::json::dump(preferences),
              "{\n  \"view_speed_modifier\": -1.25,\n  \"volume\": 0.5,\n  \"renderer\": {\n"
              "    \"mode\": \"Schematic\",\n    \"camera\": {\n      \"center\": {\n        \"x\": 40.1,\n"
              "        \"y\": 0.3\n      },\n      \"rotation\": 0.1,\n      \"attack\": 1.5707964,\n"
              "      \"distance\": 28.444,\n      \"perspective\": false\n    }\n  }\n}");
    EXPECT_EQ(pakko::json::parse<Preferences>(pakko::json::dump(preferences)), preferences);
}

TEST(Preferences, ReadingCases) {
    Preferences with_camera;
    with_camera.view_speed_modifier = 1.0;
    with_camera.volume = 0.25;
    with_camera.renderer.camera = Camera{{1.0f, 2.0f}, 0.5f, 1.0f, 10.0f, true};
    const std::string camera = R"({"center":{"x":1,"y":2},"rotation":0.5,"attack":1,"distance":10,"perspective":true})";

    Preferences fast;
    fast.view_speed_modifier = 3.0;
    fast.volume = 0.7;
    fast.renderer.mode = RendererMode::Schematic;

    struct Case {
        const char* name;
        std::string text;
        std::optional<Preferences> read;  // none: refused
    };
    const Case cases[] = {
        {"the written defaults", DEFAULT_FILE, Preferences{}},
        {"keys in any order with a camera",
         R"({"renderer":{"camera":)" + camera + R"(,"mode":"Space"},"volume":0.25,"view_speed_modifier":1})",
         with_camera},
        {"a modifier out of the slider's range is kept",
         R"({"view_speed_modifier":3,"volume":0.7,"renderer":{"mode":"Schematic","camera":null}})", fast},
        {"without a camera", R"({"view_speed_modifier":3,"volume":0.7,"renderer":{"mode":"Schematic"}})", fast},
        {"unknown keys are skipped",
         R"({"view_speed_modifier":3,"volume":0.7,"extra":[1],"renderer":{"mode":"Schematic","zoom":2}})", fast},
        {"array forms", R"([1, 0.25, ["Space", )" + camera + "]]", with_camera},
        {"array form of the camera",
         R"({"view_speed_modifier":1,"volume":0.25,"renderer":{"mode":"Space","camera":[[1,2],0.5,1,10,true]}})",
         with_camera},
        {"no volume", R"({"view_speed_modifier":0,"renderer":{"mode":"Space"}})", std::nullopt},
        {"no mode", R"({"view_speed_modifier":0,"volume":0.5,"renderer":{"camera":null}})", std::nullopt},
        {"no renderer", R"({"view_speed_modifier":0,"volume":0.5})", std::nullopt},
        {"a repeated top-level key",
         R"({"view_speed_modifier":0,"volume":0.5,"volume":0.5,"renderer":{"mode":"Space"}})", std::nullopt},
        {"a repeated mode", R"({"view_speed_modifier":0,"volume":0.5,"renderer":{"mode":"Space","mode":"Space"}})",
         std::nullopt},
        {"a repeated camera key",
         R"({"view_speed_modifier":0,"volume":0.5,"renderer":{"mode":"Space","camera":{"center":{"x":1,"y":2},)"
         R"("rotation":0.5,"rotation":0.5,"attack":1,"distance":10,"perspective":true}}})",
         std::nullopt},
        {"a mode name in other case", R"({"view_speed_modifier":0,"volume":0.5,"renderer":{"mode":"space"}})",
         std::nullopt},
        {"an unknown mode", R"({"view_speed_modifier":0,"volume":0.5,"renderer":{"mode":"Flat"}})", std::nullopt},
        {"a mode as a number", R"({"view_speed_modifier":0,"volume":0.5,"renderer":{"mode":1}})", std::nullopt},
        {"a short array", "[0, 0.5]", std::nullopt},
        {"a camera with a null field",
         R"({"view_speed_modifier":0,"volume":0.5,"renderer":{"mode":"Space","camera":{"center":{"x":1,"y":2},)"
         R"("rotation":null,"attack":1,"distance":10,"perspective":true}}})",
         std::nullopt},
        {"a volume as text", R"({"view_speed_modifier":0,"volume":"loud","renderer":{"mode":"Space"}})",
         std::nullopt},
        {"not JSON", R"({"view_speed_modifier":0,)", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.read) {
            EXPECT_EQ(pakko::json::parse<Preferences>(c.text), *c.read);
        } else {
            EXPECT_THROW(pakko::json::parse<Preferences>(c.text), pakko::json::Error);
        }
    }
}

using test_support::read_file;

TEST(Preferences, ARefusedFileIsReplacedByTheDefaults) {
    std::string folder = (std::filesystem::path(::testing::TempDir()) / "velmora-preferences-XXXXXX").string();
    ASSERT_NE(::mkdtemp(folder.data()), nullptr);
    const auto path = std::filesystem::path(folder) / velmora::renderer::PREFERENCES_FILE;
    std::ofstream(path, std::ios::binary) << R"({"view_speed_modifier":2,"renderer":{"mode":"Schematic"}})";
    {
        auto preferences = kimbly::autosave::AutoSave<Preferences>::load(path);
        EXPECT_EQ(preferences.read(), Preferences{});
        EXPECT_EQ(read_file(path), DEFAULT_FILE);
    }
    std::filesystem::remove_all(folder);
}

}  // namespace
