from enum import IntEnum

class Single(IntEnum):
    ONLY = 0
