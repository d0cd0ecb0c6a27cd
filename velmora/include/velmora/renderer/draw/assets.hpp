#pragma once
// The viewer's textures and models as records, each loaded from a folder:
// a part's path is the record's path, "/" and the part's name (with its
// extension for a file). Loading starts every part at once, depth first in
// field order; a record fails with the first error of its parts in field
// order, and nothing is kept of a failed load.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <ovra/texture.hpp>
#include <vindle/asset.hpp>

#include "velmora/renderer/draw/obj_model.hpp"

namespace velmora::renderer {

// One texture per player seat, from texture-1.png to texture-4.png.
using PlayerTextures = std::array<ovra::Texture2d, 4>;

namespace schematic {

struct UnitAssets {
    ovra::Texture2d builder;
    ovra::Texture2d ranged;
    ovra::Texture2d melee;
};

struct BuildingAssets {
    ovra::Texture2d house;
    ovra::Texture2d turret;
};

// The icons of the flat view: white shapes on transparent.
struct Assets {
    UnitAssets unit;
    BuildingAssets buildings;
};

}  // namespace schematic

namespace space {

// From spaceship.obj: the mesh "spaceship", and "trail" where there is one.
struct Spaceship {
    MeshBuffer spaceship;
    std::optional<MeshBuffer> trail;
    PlayerTextures textures;
    ovra::Texture2d trail_texture;
};

// From model.obj: the parts as building_parts orders them, which appear one
// by one while the building is built.
struct Building {
    PlayerTextures textures;
    std::vector<std::pair<std::string, MeshBuffer>> parts;
};

namespace unit {
struct Assets {
    Spaceship ranged;
    Spaceship melee;
    Spaceship worker;
};
}  // namespace unit

namespace buildings {
struct Assets {
    Building base_a;
    Building base_b;
    Building base_c;
    Building home;
    Building wall;
    Building turret;
};
}  // namespace buildings

// The one object of cloud.obj that the space view draws; loading fails
// without it.
inline constexpr std::string_view CLOUD_OBJECT = "Cube_Cube.001";

struct Assets {
    unit::Assets unit;
    ovra::Texture2d glow;
    Obj cloud;
    ovra::Texture2d explosion;
    ovra::Texture2d repair;
    ovra::Texture2d bullet;
    buildings::Assets buildings;
};

}  // namespace space

// Both views' assets from one folder (start-up passes "./assets").
struct Assets {
    space::Assets space;
    schematic::Assets schematic;
};

}  // namespace velmora::renderer

namespace vindle::asset {

// A read error names the file: its message is the path, its cause the
// system's error.
template <>
struct LoadAsset<velmora::renderer::Obj> {
    static AssetFutureBox<velmora::renderer::Obj> load(AssetContext& context, std::string path);
};

#define VELMORA_ASSET_RECORD(Record)                                                           \
    template <>                                                                                \
    struct LoadAsset<Record> {                                                                 \
        static AssetFutureBox<Record> load(AssetContext& context, std::string path);           \
    }

VELMORA_ASSET_RECORD(velmora::renderer::schematic::UnitAssets);
VELMORA_ASSET_RECORD(velmora::renderer::schematic::BuildingAssets);
VELMORA_ASSET_RECORD(velmora::renderer::schematic::Assets);
// Waits for its model, then takes the meshes out of it (no "spaceship"
// mesh fails with the file's path and "spaceship not found in obj"), then
// waits for the textures, then the trail texture.
VELMORA_ASSET_RECORD(velmora::renderer::space::Spaceship);
// Waits for its model, then for its textures.
VELMORA_ASSET_RECORD(velmora::renderer::space::Building);
VELMORA_ASSET_RECORD(velmora::renderer::space::unit::Assets);
VELMORA_ASSET_RECORD(velmora::renderer::space::buildings::Assets);
// Its cloud model without CLOUD_OBJECT fails with the file's path and
// "Cube_Cube.001 not found in obj".
VELMORA_ASSET_RECORD(velmora::renderer::space::Assets);
VELMORA_ASSET_RECORD(velmora::renderer::Assets);

#undef VELMORA_ASSET_RECORD

}  // namespace vindle::asset
