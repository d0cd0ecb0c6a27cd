#include "tarnwick/app/game_screen/controls.hpp"

#include <vindle/ui/layout.hpp>

namespace tarnwick::app::game_screen {

namespace {

// Until the panel's widgets exist: the keys still pause, step and leave.
class NoControls final : public Controls {
public:
    std::optional<double> timeline_change() const override { return std::nullopt; }
    void set_time(double, double, double) override {}
    vindle::ui::WidgetBox ui(double) override { return vindle::ui::boxed(vindle::ui::column()); }
};

}  // namespace

std::unique_ptr<Controls> make_controls(std::shared_ptr<vindle::Vindle>, std::shared_ptr<bool>,
                                        std::shared_ptr<double>, std::shared_ptr<double>) {
    return std::make_unique<NoControls>();
}

}  // namespace tarnwick::app::game_screen
