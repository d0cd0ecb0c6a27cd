const Squad = require('./squad');
class Team {
    constructor(squad) {
        this.squad = squad;
    }
    static async readFrom(stream) {
        let squad;
        squad = await Squad.readFrom(stream);
        return new Team(squad);
    }
    async writeTo(stream) {
        let squad = this.squad;
        await squad.writeTo(stream);
    }
}
module.exports = Team
