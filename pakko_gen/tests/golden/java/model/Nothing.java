package model;

import util.StreamUtil;

public class Nothing {
    public Nothing() {}
    public static Nothing readFrom(java.io.InputStream stream) throws java.io.IOException {
        Nothing result = new Nothing();
        return result;
    }
    public void writeTo(java.io.OutputStream stream) throws java.io.IOException {
    }
}
