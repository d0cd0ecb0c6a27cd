#pragma once
// Names of the local variables in generated readers and writers.
#include <cstddef>
#include <string>
#include <string_view>

namespace pakko_gen {

// The loop index names of one field's reader: "i", "j", "k", never reused,
// so nested and sibling loops all differ. A fourth loop is beyond what the
// generators support and stops the program.
class LoopCounter {
public:
    std::string next();

private:
    std::size_t used_ = 0;
};

// The part of a value expression after its last full stop ("result.entities"
// gives "entities"), from which local names are formed.
std::string_view var_name(std::string_view value);

}  // namespace pakko_gen
