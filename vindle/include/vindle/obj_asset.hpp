#pragma once
// OBJ models loaded as assets: read and parsed on the pool.
#include "vindle/asset.hpp"
#include "vindle/obj.hpp"

namespace vindle::asset {

// The file's meshes. A read error is the text's; a malformed statement gives
// an error whose message is the path and whose cause names the line.
template <>
struct LoadAsset<obj::Meshes> {
    static AssetFutureBox<obj::Meshes> load(AssetContext& context, std::string path);
};

}  // namespace vindle::asset
