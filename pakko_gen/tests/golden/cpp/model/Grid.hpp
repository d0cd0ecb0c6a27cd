#ifndef _MODEL_GRID_HPP_
#define _MODEL_GRID_HPP_

#include "../Stream.hpp"
#include <string>
#include <unordered_map>
#include <vector>

class Grid {
public:
    std::vector<std::vector<std::vector<int>>> cells;
    std::unordered_map<std::vector<int>, std::vector<std::string>> groups;
    Grid();
    Grid(std::vector<std::vector<std::vector<int>>> cells, std::unordered_map<std::vector<int>, std::vector<std::string>> groups);
    static Grid readFrom(InputStream& stream);
    void writeTo(OutputStream& stream) const;
};

#endif
