#pragma once
// When a match is over and what each player achieved.
#include <vector>

#include "velmora/model/model.hpp"

namespace velmora::model {

// Over at the tick limit, or once fewer than two players own an entity
// (inactive ones count, resources have no owner).
bool finished(const Model& model);

// Each player's score at its index. The indices must be 0..n-1, which a
// validated state guarantees.
std::vector<usize> results(const Model& model);

}  // namespace velmora::model
