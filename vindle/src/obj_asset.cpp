#include "vindle/obj_asset.hpp"

#include "asset_job.hpp"

namespace vindle::asset {

namespace {

AssetResult<obj::Meshes> read_meshes(const std::string& path) {
    auto text = read_text(path);
    if (!text.ok()) return text.error();
    try {
        return obj::parse(text.value());
    } catch (const obj::ParseError& error) {
        return AssetError(path, {error.what()});
    }
}

}  // namespace

AssetFutureBox<obj::Meshes> LoadAsset<obj::Meshes>::load(AssetContext& context, std::string path) {
    return spawn_load<obj::Meshes>(context.thread_pool(), std::move(path), &read_meshes);
}

}  // namespace vindle::asset
