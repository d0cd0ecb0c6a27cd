#ifndef _MODEL_SQUAD_HPP_
#define _MODEL_SQUAD_HPP_

#include "../Stream.hpp"
#include "UnitKind.hpp"
#include "Vec2Int.hpp"
#include <memory>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

class Squad {
public:
    std::shared_ptr<int> leaderId;
    std::vector<Vec2Int> positions;
    std::unordered_map<UnitKind, Vec2Int> targets;
    std::string name;
    bool active;
    float speed;
    long long maxLong;
    Squad();
    Squad(std::shared_ptr<int> leaderId, std::vector<Vec2Int> positions, std::unordered_map<UnitKind, Vec2Int> targets, std::string name, bool active, float speed, long long maxLong);
    static Squad readFrom(InputStream& stream);
    void writeTo(OutputStream& stream) const;
};

#endif
