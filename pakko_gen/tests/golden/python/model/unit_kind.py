from enum import IntEnum

class UnitKind(IntEnum):
    WORKER = 0
    RANGED_UNIT = 1
    TURRET = 2
