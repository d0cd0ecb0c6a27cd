package model

import util.StreamUtil

enum class UnitKind private constructor(var tag: Int) {
    WORKER(0),
    RANGED_UNIT(1),
    TURRET(2)
}
