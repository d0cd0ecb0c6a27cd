import model;
import stream;
import std.conv;
import std.typecons : Nullable;

struct Team {
    Squad squad;
    this(Squad squad) {
        this.squad = squad;
    }
    static Team readFrom(Stream reader) {
        auto result = Team();
        result.squad = Squad.readFrom(reader);
        return result;
    }
    void writeTo(Stream writer) const {
        squad.writeTo(writer);
    }
    string toString() const {
        return "Team" ~ "(" ~
            to!string(squad) ~
            ")";
    }
}
