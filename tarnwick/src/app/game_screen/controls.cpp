#include "tarnwick/app/game_screen/controls.hpp"

#include "tarnwick/app/game_screen/ui.hpp"

namespace tarnwick::app::game_screen {

namespace {

class Panel final : public Controls {
public:
    Panel(std::shared_ptr<vindle::Vindle> vindle, std::shared_ptr<bool> paused, std::shared_ptr<double> view_speed,
          std::shared_ptr<double> volume)
        : ui_(std::move(vindle), std::move(paused), std::move(view_speed), std::move(volume)) {}

    std::optional<double> timeline_change() const override { return ui_.timeline_change(); }
    void set_time(double time, double max, double base_speed) override { ui_.set_time(time, max, base_speed); }
    vindle::ui::WidgetBox ui(double base_speed) override { return ui_.ui(base_speed); }

private:
    ui::UI ui_;
};

}  // namespace

std::unique_ptr<Controls> make_controls(std::shared_ptr<vindle::Vindle> vindle, std::shared_ptr<bool> paused,
                                        std::shared_ptr<double> view_speed, std::shared_ptr<double> volume) {
    return std::make_unique<Panel>(std::move(vindle), std::move(paused), std::move(view_speed), std::move(volume));
}

}  // namespace tarnwick::app::game_screen
