#pragma once
// A player's cell on the configuration screen: at least its minimum size,
// and never smaller than what it holds, so that a kind with more settings
// (the TCP port and status lines) pushes the lines below down instead of
// running over them. It takes no share of spare space.
#include <vindle/ui/layout.hpp>

namespace tarnwick::app::config_screen {

class PlayerCell final : public vindle::ui::SingleChild {
public:
    static constexpr kimbly::Vec2<double> MIN_SIZE{200, 100};

    template <class W>
    explicit PlayerCell(W&& child) : SingleChild(vindle::ui::boxed(std::forward<W>(child))) {}

    void calc_constraints() override;
    void layout_children() override { place_child(core_.position); }
};

}  // namespace tarnwick::app::config_screen
