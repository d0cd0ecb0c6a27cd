#ifndef _MODEL_TEAM_HPP_
#define _MODEL_TEAM_HPP_

#include "../Stream.hpp"
#include "Squad.hpp"
#include "UnitKind.hpp"
#include "Vec2Int.hpp"
#include <memory>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

class Team {
public:
    Squad squad;
    Team();
    Team(Squad squad);
    static Team readFrom(InputStream& stream);
    void writeTo(OutputStream& stream) const;
};

#endif
