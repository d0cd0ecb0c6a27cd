#pragma once
#include "velmora/model/entity_properties.hpp"

namespace velmora::model {

// The table every new game starts with; each call builds a fresh copy, so
// no two games share it.
EntityPropertiesTable default_entity_properties();

}  // namespace velmora::model
