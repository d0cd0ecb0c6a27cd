package model;

import util.StreamUtil;

public enum UnitKind {
    WORKER(0),
    RANGED_UNIT(1),
    TURRET(2);
    public int tag;
    UnitKind(int tag) {
      this.tag = tag;
    }
}
