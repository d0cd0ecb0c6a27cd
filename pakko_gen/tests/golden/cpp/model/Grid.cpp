#include "Grid.hpp"

Grid::Grid() { }
Grid::Grid(std::vector<std::vector<std::vector<int>>> cells, std::unordered_map<std::vector<int>, std::vector<std::string>> groups) : cells(cells), groups(groups) { }
Grid Grid::readFrom(InputStream& stream) {
    Grid result;
    result.cells = std::vector<std::vector<std::vector<int>>>(stream.readSize());
    for (size_t i = 0; i < result.cells.size(); i++) {
        result.cells[i] = std::vector<std::vector<int>>(stream.readSize());
        for (size_t j = 0; j < result.cells[i].size(); j++) {
            result.cells[i][j] = std::vector<int>(stream.readSize());
            for (size_t k = 0; k < result.cells[i][j].size(); k++) {
                result.cells[i][j][k] = stream.readInt();
            }
        }
    }
    size_t groupsSize = stream.readSize();
    result.groups = std::unordered_map<std::vector<int>, std::vector<std::string>>();
    result.groups.reserve(groupsSize);
    for (size_t i = 0; i < groupsSize; i++) {
        std::vector<int> groupsKey;
        groupsKey = std::vector<int>(stream.readSize());
        for (size_t j = 0; j < groupsKey.size(); j++) {
            groupsKey[j] = stream.readInt();
        }
        std::vector<std::string> groupsValue;
        groupsValue = std::vector<std::string>(stream.readSize());
        for (size_t k = 0; k < groupsValue.size(); k++) {
            groupsValue[k] = stream.readString();
        }
        result.groups.emplace(std::make_pair(groupsKey, groupsValue));
    }
    return result;
}
void Grid::writeTo(OutputStream& stream) const {
    stream.write((int)(cells.size()));
    for (const std::vector<std::vector<int>>& cellsElement : cells) {
        stream.write((int)(cellsElement.size()));
        for (const std::vector<int>& cellsElementElement : cellsElement) {
            stream.write((int)(cellsElementElement.size()));
            for (const int& cellsElementElementElement : cellsElementElement) {
                stream.write(cellsElementElementElement);
            }
        }
    }
    stream.write((int)(groups.size()));
    for (const auto& groupsEntry : groups) {
        stream.write((int)(groupsEntry.first.size()));
        for (const int& firstElement : groupsEntry.first) {
            stream.write(firstElement);
        }
        stream.write((int)(groupsEntry.second.size()));
        for (const std::string& secondElement : groupsEntry.second) {
            stream.write(secondElement);
        }
    }
}
