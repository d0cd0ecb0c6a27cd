// Writes the viewer's 58 asset files into the folder given as the only
// argument. Everything is drawn and modelled here from code, the same bytes
// on every run, so the build makes the assets and nothing binary is kept in
// the sources.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "models.hpp"
#include "palette.hpp"
#include "pictures.hpp"

namespace {

using namespace asset_gen;

struct Output {
    std::string path;
    std::function<bool(const std::string&)> write;
};

Output picture(std::string path, std::function<Image()> draw) {
    return {std::move(path), [draw](const std::string& file) { return draw().save_png(file); }};
}

Output model(std::string path, std::function<Model()> build) {
    return {std::move(path), [build](const std::string& file) {
                std::ofstream out(file, std::ios::binary);
                out << obj_text(build(), SWATCHES_ACROSS);
                out.flush();
                return static_cast<bool>(out);
            }};
}

void seat_textures(std::vector<Output>& outputs, const std::string& folder) {
    for (int seat = 0; seat < 4; ++seat) {
        outputs.push_back(picture(folder + "/texture-" + std::to_string(seat + 1) + ".png",
                                  [seat] { return model_texture(seat); }));
    }
}

std::vector<Output> outputs() {
    std::vector<Output> all{
        picture("unit/builder.png", builder_icon),     picture("unit/ranged.png", ranged_icon),
        picture("unit/melee.png", melee_icon),         picture("buildings/house.png", house_icon),
        picture("buildings/turret.png", turret_icon),  picture("glow.png", glow_sprite),
        model("cloud.obj", cloud),                     picture("explosion.png", explosion_sprite),
        picture("repair.png", repair_sprite),          picture("bullet.png", bullet_sprite),
    };
    const std::pair<const char*, Model (*)()> ships[]{{"ranged", ranged_ship}, {"melee", melee_ship}, {"worker", worker_ship}};
    for (auto [name, build] : ships) {
        std::string folder = std::string("unit/") + name;
        all.push_back(model(folder + "/spaceship.obj", build));
        seat_textures(all, folder);
        all.push_back(picture(folder + "/trail.png", trail_texture));
    }
    const std::pair<const char*, Model (*)()> buildings[]{{"base_a", builder_base}, {"base_b", melee_base},
                                                          {"base_c", ranged_base},  {"home", house},
                                                          {"wall", wall},           {"turret", turret}};
    for (auto [name, build] : buildings) {
        std::string folder = std::string("buildings/") + name;
        all.push_back(model(folder + "/model.obj", build));
        seat_textures(all, folder);
    }
    return all;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <assets folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path root = argv[1];
    for (const Output& output : outputs()) {
        auto path = root / output.path;
        std::error_code error;
        std::filesystem::create_directories(path.parent_path(), error);
        if (error || !output.write(path.string())) {
            std::fprintf(stderr, "could not write %s\n", path.string().c_str());
            return 1;
        }
    }
    return 0;
}
