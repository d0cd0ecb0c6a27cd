#include "tarnwick/app/game_screen/saving.hpp"

#include <kimbly/logger.hpp>

namespace tarnwick::app::game_screen {

void add_translations() {
    kimbly::localization::add_translations(R"(en=view speed
ru=скорость

en=Save game log
ru=Сохранить лог игры

en=volume
ru=громкость)");
}

bool save_through_dialog(std::string_view title, std::string_view default_name, std::string_view failure,
                         const kimbly::ContentWriter& write) {
    try {
        kimbly::save_file(title, default_name, write);
        return true;
    } catch (const pakko::IoError& error) {
        kimbly::logger::error(LOG_TARGET, "{}: {}", failure, error.what());
        return false;
    }
}

}  // namespace tarnwick::app::game_screen
