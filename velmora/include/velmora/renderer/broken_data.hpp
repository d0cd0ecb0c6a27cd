#pragma once
// States that break the rules' invariants reach the views only from a
// hand-edited saved state or a damaged replay. The views then leave out what
// they cannot draw and say so once per kind of fault, instead of stopping
// the program or flooding the log every frame.
#include <array>
#include <cstddef>
#include <string_view>

namespace velmora::renderer {

enum class BrokenData : std::size_t {
    // An entity's owner id names no player.
    MissingOwner,
    // The properties table lacks an entity's type.
    MissingType,
    // An attack's attacker is not in the state before the tick, or has no owner.
    MissingAttacker,
    // A tick with attacks has no state before it.
    MissingPrevious,
    // The renderer data has no record of an entity.
    MissingRecord,
};

class BrokenDataLog {
public:
    // Logs `detail` as a warning the first time `kind` is reported.
    void report(BrokenData kind, std::string_view detail);
    bool reported(BrokenData kind) const { return reported_[static_cast<std::size_t>(kind)]; }

private:
    std::array<bool, 5> reported_{};
};

}  // namespace velmora::renderer
