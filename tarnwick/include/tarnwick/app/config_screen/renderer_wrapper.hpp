#pragma once
// The one renderer of the configuration screen, lent to every game screen
// it starts, so that the camera stays from match to match.
#include <cstddef>
#include <memory>
#include <utility>

#include <kimbly/panic.hpp>

#include "tarnwick/renderer.hpp"

namespace tarnwick::app::config_screen {

// A renderer used by one game screen at a time, on the main thread: reading
// while it draws, or drawing while it is read, is a broken invariant.
template <Game G, class R>
class SharedRenderer {
public:
    explicit SharedRenderer(std::unique_ptr<Renderer<G, R>> renderer) : renderer_(std::move(renderer)) {}

    template <class F>
    decltype(auto) with_shared(F&& use) const {
        if (exclusive_) kimbly::panic("already mutably borrowed");
        ++readers_;
        Release release{[this] { --readers_; }};
        return use(static_cast<const Renderer<G, R>&>(*renderer_));
    }

    template <class F>
    decltype(auto) with_exclusive(F&& use) {
        if (exclusive_ || readers_ > 0) kimbly::panic("already borrowed");
        exclusive_ = true;
        Release release{[this] { exclusive_ = false; }};
        return use(*renderer_);
    }

private:
    template <class F>
    struct Release {
        F release;
        ~Release() { release(); }
    };

    std::unique_ptr<Renderer<G, R>> renderer_;
    mutable std::size_t readers_ = 0;
    bool exclusive_ = false;
};

template <Game G, class R>
class RendererWrapper final : public Renderer<G, R> {
public:
    using typename Renderer<G, R>::CurrentState;

    explicit RendererWrapper(std::shared_ptr<SharedRenderer<G, R>> shared) : shared_(std::move(shared)) {}

    double default_speed() const override {
        return shared_->with_shared([](const Renderer<G, R>& renderer) { return renderer.default_speed(); });
    }
    void update(double dt) override {
        shared_->with_exclusive([&](Renderer<G, R>& renderer) { renderer.update(dt); });
    }
    void draw(CurrentState state, ovra::Framebuffer& framebuffer) override {
        shared_->with_exclusive([&](Renderer<G, R>& renderer) { renderer.draw(std::move(state), framebuffer); });
    }
    void handle_event(const kimbly::events::Event& event) override {
        shared_->with_exclusive([&](Renderer<G, R>& renderer) { renderer.handle_event(event); });
    }
    DebugStateOf<G> debug_state(const G& game, std::size_t player_index) const override {
        return shared_->with_shared(
            [&](const Renderer<G, R>& renderer) { return renderer.debug_state(game, player_index); });
    }
    void handle_game_event(const EventOf<G>& event) override {
        shared_->with_exclusive([&](Renderer<G, R>& renderer) { renderer.handle_game_event(event); });
    }

private:
    std::shared_ptr<SharedRenderer<G, R>> shared_;
};

}  // namespace tarnwick::app::config_screen
