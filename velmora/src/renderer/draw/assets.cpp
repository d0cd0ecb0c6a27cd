#include "velmora/renderer/draw/assets.hpp"

#include <functional>
#include <string>
#include <string_view>
#include <tuple>

#include "asset_join.hpp"

namespace vindle::asset {

namespace {

using namespace velmora::renderer;
using velmora::renderer::assets::join;
using velmora::renderer::assets::then;
using velmora::renderer::assets::Wait;

// The part `name` of the record at `path`.
template <class T>
AssetFutureBox<T> part(AssetContext& context, const std::string& path, std::string_view name) {
    return LoadAsset<T>::load(context, path + "/" + std::string(name));
}

AssetFutureBox<PlayerTextures> player_textures(AssetContext& context, const std::string& path) {
    auto texture = [&](int number) {
        return LoadAsset<ovra::Texture2d>::load(context, path + "/texture-" + std::to_string(number) + ".png");
    };
    return join<PlayerTextures>(Wait::Together, std::tuple{texture(1), texture(2), texture(3), texture(4)});
}

// What a spaceship takes out of its model.
struct ShipMeshes {
    MeshBuffer spaceship;
    std::optional<MeshBuffer> trail;
};

// A mesh that the views look up by name is missing from the model file at
// `path`; the error names the file, as every other model error does.
AssetError missing_mesh(const std::string& path, std::string_view mesh) {
    return AssetError(path, {std::string(mesh) + " not found in obj"});
}

// The ship's meshes out of the model file at `path`.
std::function<AssetResult<ShipMeshes>(AssetResult<Obj>)> ship_meshes(std::string path) {
    return [path = std::move(path)](AssetResult<Obj> model) -> AssetResult<ShipMeshes> {
        if (!model.ok()) return model.error();
        auto& meshes = model.value().meshes;
        auto spaceship = meshes.find("spaceship");
        if (spaceship == meshes.end()) return missing_mesh(path, "spaceship");
        ShipMeshes result{std::move(spaceship->second), std::nullopt};
        if (auto trail = meshes.find("trail"); trail != meshes.end()) result.trail.emplace(std::move(trail->second));
        return result;
    };
}

// The cloud model, checked here for the one mesh the space view draws of
// it, so that a wrong file fails the loading rather than the first frame.
AssetFutureBox<Obj> cloud_model(AssetContext& context, const std::string& path) {
    const std::string file = path + "/cloud.obj";
    return then<Obj, Obj>(LoadAsset<Obj>::load(context, file), [file](AssetResult<Obj> model) -> AssetResult<Obj> {
        if (model.ok() && !model.value().meshes.contains(std::string(space::CLOUD_OBJECT))) {
            return missing_mesh(file, space::CLOUD_OBJECT);
        }
        return model;
    });
}

using Parts = std::vector<std::pair<std::string, MeshBuffer>>;

AssetResult<Parts> parts_of(AssetResult<Obj> model) {
    if (!model.ok()) return model.error();
    return building_parts(std::move(model.value().meshes));
}

// A spaceship as its parts arrive, in turn.
struct ShipParts {
    ShipMeshes meshes;
    PlayerTextures textures;
    ovra::Texture2d trail_texture;
};

// A building as its parts arrive, in turn.
struct BuildingParts {
    Parts parts;
    PlayerTextures textures;
};

}  // namespace

AssetFutureBox<Obj> LoadAsset<Obj>::load(AssetContext& context, std::string path) {
    auto text = LoadAsset<std::string>::load(context, path);
    return then<Obj, std::string>(std::move(text), [ovra = context.ovra(), path](AssetResult<std::string> text) -> AssetResult<Obj> {
        if (!text.ok()) {
            auto causes = text.error().causes();
            causes.insert(causes.begin(), text.error().message());
            return AssetError(path, std::move(causes));
        }
        try {
            return Obj::load(ovra, text.value());
        } catch (const obj::ParseError& error) {
            return AssetError(path, {error.what()});
        }
    });
}

AssetFutureBox<schematic::UnitAssets> LoadAsset<schematic::UnitAssets>::load(AssetContext& context, std::string path) {
    using T = ovra::Texture2d;
    return join<schematic::UnitAssets>(
        Wait::Together, std::tuple{part<T>(context, path, "builder.png"), part<T>(context, path, "ranged.png"),
                                   part<T>(context, path, "melee.png")});
}

AssetFutureBox<schematic::BuildingAssets> LoadAsset<schematic::BuildingAssets>::load(AssetContext& context,
                                                                                      std::string path) {
    using T = ovra::Texture2d;
    return join<schematic::BuildingAssets>(
        Wait::Together, std::tuple{part<T>(context, path, "house.png"), part<T>(context, path, "turret.png")});
}

AssetFutureBox<schematic::Assets> LoadAsset<schematic::Assets>::load(AssetContext& context, std::string path) {
    return join<schematic::Assets>(Wait::Together,
                                   std::tuple{part<schematic::UnitAssets>(context, path, "unit"),
                                              part<schematic::BuildingAssets>(context, path, "buildings")});
}

AssetFutureBox<space::Spaceship> LoadAsset<space::Spaceship>::load(AssetContext& context, std::string path) {
    const std::string model = path + "/spaceship.obj";
    auto parts = join<ShipParts>(
        Wait::InTurn, std::tuple{then<ShipMeshes, Obj>(LoadAsset<Obj>::load(context, model), ship_meshes(model)),
                                 player_textures(context, path), part<ovra::Texture2d>(context, path, "trail.png")});
    return then<space::Spaceship, ShipParts>(std::move(parts), [](AssetResult<ShipParts> parts) -> AssetResult<space::Spaceship> {
        if (!parts.ok()) return parts.error();
        auto& [meshes, textures, trail_texture] = parts.value();
        return space::Spaceship{std::move(meshes.spaceship), std::move(meshes.trail), std::move(textures),
                                std::move(trail_texture)};
    });
}

AssetFutureBox<space::Building> LoadAsset<space::Building>::load(AssetContext& context, std::string path) {
    auto parts = join<BuildingParts>(
        Wait::InTurn,
        std::tuple{then<Parts, Obj>(part<Obj>(context, path, "model.obj"), &parts_of), player_textures(context, path)});
    return then<space::Building, BuildingParts>(std::move(parts), [](AssetResult<BuildingParts> parts) -> AssetResult<space::Building> {
        if (!parts.ok()) return parts.error();
        return space::Building{std::move(parts.value().textures), std::move(parts.value().parts)};
    });
}

AssetFutureBox<space::unit::Assets> LoadAsset<space::unit::Assets>::load(AssetContext& context, std::string path) {
    using T = space::Spaceship;
    return join<space::unit::Assets>(Wait::Together, std::tuple{part<T>(context, path, "ranged"),
                                                                part<T>(context, path, "melee"),
                                                                part<T>(context, path, "worker")});
}

AssetFutureBox<space::buildings::Assets> LoadAsset<space::buildings::Assets>::load(AssetContext& context,
                                                                                    std::string path) {
    using T = space::Building;
    return join<space::buildings::Assets>(
        Wait::Together, std::tuple{part<T>(context, path, "base_a"), part<T>(context, path, "base_b"),
                                   part<T>(context, path, "base_c"), part<T>(context, path, "home"),
                                   part<T>(context, path, "wall"), part<T>(context, path, "turret")});
}

AssetFutureBox<space::Assets> LoadAsset<space::Assets>::load(AssetContext& context, std::string path) {
    using T = ovra::Texture2d;
    return join<space::Assets>(
        Wait::Together,
        std::tuple{part<space::unit::Assets>(context, path, "unit"), part<T>(context, path, "glow.png"),
                   cloud_model(context, path), part<T>(context, path, "explosion.png"),
                   part<T>(context, path, "repair.png"), part<T>(context, path, "bullet.png"),
                   part<space::buildings::Assets>(context, path, "buildings")});
}

AssetFutureBox<Assets> LoadAsset<Assets>::load(AssetContext& context, std::string path) {
    return join<Assets>(Wait::Together, std::tuple{part<space::Assets>(context, path, "."),
                                                   part<schematic::Assets>(context, path, ".")});
}

}  // namespace vindle::asset
