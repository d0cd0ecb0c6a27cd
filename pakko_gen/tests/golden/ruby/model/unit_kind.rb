module UnitKind
    WORKER = 0
    RANGED_UNIT = 1
    TURRET = 2
end
