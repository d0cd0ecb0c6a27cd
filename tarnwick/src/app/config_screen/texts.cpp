#include "tarnwick/app/config_screen/texts.hpp"

#include <kimbly/localization.hpp>

namespace tarnwick::app::config_screen {

namespace {

constexpr std::string_view TRANSLATIONS = R"(en=Game options
ru=Настройки игры

en=START
ru=СТАРТ

en=empty
ru=пустой

en=Does nothing
ru=Ничего не делает

en=Player
ru=Игрок

en=Waiting for players
ru=Ожидание игроков

en=save config
ru=сохранить конфигурацию

en=Create a game or
ru=Создать игру или

en=watch a replay
ru=пересмотреть игру

en=Select file to replay
ru=Выберите файл для просмотра

en=Waiting for connection
ru=Ожидание подключения

en=Player connected
ru=Игрок подключился

en=Failed to listen specified port
ru=Не удалось использовать данный порт

en=Port
ru=Порт

en=or
ru=или

en=repeat a game
ru=повторить игру

en=Select file to repeat
ru=Выберите файл для повтора

en=add player
ru=добавить игрока

en=remove player
ru=убрать игрока)";

}  // namespace

void add_translations() { kimbly::localization::add_translations(TRANSLATIONS); }

vindle::ui::Text label(const vindle::ui::Theme& theme, std::string text, float size, kimbly::ColorF32 color) {
    return vindle::ui::Text(std::move(text), theme.font, size, color);
}

vindle::ui::Align caption(const vindle::ui::Theme& theme, std::string_view english) {
    return vindle::ui::Align({0.5, 1}, label(theme, kimbly::localization::translate(english), CAPTION_SIZE));
}

}  // namespace tarnwick::app::config_screen
