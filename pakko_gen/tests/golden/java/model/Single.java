package model;

import util.StreamUtil;

public enum Single {
    ONLY(0);
    public int tag;
    Single(int tag) {
      this.tag = tag;
    }
}
