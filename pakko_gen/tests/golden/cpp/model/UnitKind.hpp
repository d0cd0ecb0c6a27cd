#ifndef _MODEL_UNIT_KIND_HPP_
#define _MODEL_UNIT_KIND_HPP_

#include "../Stream.hpp"

enum UnitKind {
    WORKER = 0,
    RANGED_UNIT = 1,
    TURRET = 2
};

#endif
