package model;

import util.StreamUtil;

public class Team {
    private model.Squad squad;
    public model.Squad getSquad() { return squad; }
    public void setSquad(model.Squad squad) { this.squad = squad; }
    public Team() {}
    public Team(model.Squad squad) {
        this.squad = squad;
    }
    public static Team readFrom(java.io.InputStream stream) throws java.io.IOException {
        Team result = new Team();
        result.squad = model.Squad.readFrom(stream);
        return result;
    }
    public void writeTo(java.io.OutputStream stream) throws java.io.IOException {
        squad.writeTo(stream);
    }
}
