import model;
import stream;
import std.conv;
import std.typecons : Nullable;

struct Nothing {
    static Nothing readFrom(Stream reader) {
        auto result = Nothing();
        return result;
    }
    void writeTo(Stream writer) const {
    }
    string toString() const {
        return "Nothing" ~ "(" ~
            ")";
    }
}
