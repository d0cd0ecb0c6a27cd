#pragma once
// The game screen's view of its control panel: the panel keeps its own
// widgets' state between frames and shares the paused, view-speed and
// volume cells with the screen.
#include <memory>
#include <optional>

#include <vindle/context.hpp>
#include <vindle/ui/widget.hpp>

namespace tarnwick::app::game_screen {

class Controls {
public:
    virtual ~Controls() = default;
    // The time the timeline is dragged to, while it is dragged.
    virtual std::optional<double> timeline_change() const = 0;
    // The shown time, the timeline's upper end and the base speed in ticks per second.
    virtual void set_time(double time, double max, double base_speed) = 0;
    // This use's widget tree.
    virtual vindle::ui::WidgetBox ui(double base_speed) = 0;
};

std::unique_ptr<Controls> make_controls(std::shared_ptr<vindle::Vindle> vindle, std::shared_ptr<bool> paused,
                                        std::shared_ptr<double> view_speed, std::shared_ptr<double> volume);

}  // namespace tarnwick::app::game_screen
