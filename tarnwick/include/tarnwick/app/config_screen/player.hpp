#pragma once
// One player of the configuration screen: a kind (keyboard, TCP, a built-in
// bot, an empty seat) with its settings, and the row that switches between
// the kinds.
#include <cstddef>
#include <concepts>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <kimbly/panic.hpp>
#include <vindle/ui/button.hpp>
#include <vindle/ui/layout.hpp>
#include <vindle/ui/theme.hpp>

#include "tarnwick/game.hpp"
#include "tarnwick/player.hpp"

namespace tarnwick::app::config_screen::player {

template <Game G>
using PlayerBox = std::unique_ptr<tarnwick::player::Player<G>>;

template <Game G>
class PlayerConfig {
public:
    virtual ~PlayerConfig() = default;
    // Shown on the row's kind button.
    virtual std::string name() const = 0;
    // This frame's settings widget.
    virtual vindle::ui::WidgetBox ui() = 0;
    // Whether get() may be called now.
    virtual bool ready() = 0;
    // The player for a match; only once ready() said so.
    virtual PlayerBox<G> get() = 0;
    // The kind's entry of a saved configuration.
    virtual PlayerOptionsOf<G> to_options() const = 0;
};

// The game's player entries are made from the framework's own options.
template <class PlayerOptions, class FrameworkOptions>
concept PlayerOptionsFrom = requires(FrameworkOptions options) {
    { PlayerOptions::from(options) } -> std::same_as<PlayerOptions>;
};

template <Game G>
using PlayerConfigBox = std::unique_ptr<PlayerConfig<G>>;

// Makers of a fresh kind, in the order the kind button steps through them;
// one list shared by every row.
template <Game G>
using PlayerTypes = std::shared_ptr<const std::vector<std::function<PlayerConfigBox<G>()>>>;

template <Game G>
class PlayerConfigWidget {
public:
    PlayerConfigWidget(vindle::ui::ThemeHandle theme, PlayerTypes<G> types, std::size_t index)
        : theme_(std::move(theme)), types_(std::move(types)), config_(make(*types_, index)), index_(index) {}

    // A click since the last call first moves the row to the next kind,
    // with fresh settings.
    vindle::ui::WidgetBox ui() {
        namespace ui = vindle::ui;
        if (kind_button_.clicked()) {
            index_ = (index_ + 1) % types_->size();
            // The old kind goes first: a TCP kind frees its port before the next one could take it.
            config_.reset();
            config_ = make(*types_, index_);
        }
        auto button = ui::Button::text(ui::ref(kind_button_), config_->name(), *theme_);
        return ui::boxed(ui::column(ui::Padding(8, 8, 8, 8, ui::Align({0.5, 0.5}, std::move(button))), config_->ui()));
    }

    PlayerConfig<G>& config() { return *config_; }
    const PlayerConfig<G>& config() const { return *config_; }
    std::size_t index() const { return index_; }
    vindle::ui::Button& kind_button() { return kind_button_; }

private:
    static PlayerConfigBox<G> make(const typename PlayerTypes<G>::element_type& types, std::size_t index) {
        if (index >= types.size()) kimbly::panic("player type index out of range");
        return types[index]();
    }

    vindle::ui::ThemeHandle theme_;
    PlayerTypes<G> types_;
    PlayerConfigBox<G> config_;
    std::size_t index_;
    vindle::ui::Button kind_button_;
};

}  // namespace tarnwick::app::config_screen::player
