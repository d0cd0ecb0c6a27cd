#include "Team.hpp"

Team::Team() { }
Team::Team(Squad squad) : squad(squad) { }
Team Team::readFrom(InputStream& stream) {
    Team result;
    result.squad = Squad::readFrom(stream);
    return result;
}
void Team::writeTo(OutputStream& stream) const {
    squad.writeTo(stream);
}
