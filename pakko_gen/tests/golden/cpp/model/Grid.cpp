#include "Grid.hpp"

Grid::Grid() { }
Grid::Grid(std::vector<std::vector<std::vector<int>>> cells, std::unordered_map<std::vector<int>, std::vector<std::string>> groups) : cells(cells), groups(groups) { }
Grid Grid::readFrom(InputStream& stream) {
    Grid result;
    result.cells = std::vector<std::vector<std::vector<int>>>();
    for (size_t i = 0, iCount = stream.readSize(); i < iCount; i++) {
        result.cells.emplace_back();
        result.cells[i] = std::vector<std::vector<int>>();
        for (size_t j = 0, jCount = stream.readSize(); j < jCount; j++) {
            result.cells[i].emplace_back();
            result.cells[i][j] = std::vector<int>();
            for (size_t k = 0, kCount = stream.readSize(); k < kCount; k++) {
                result.cells[i][j].emplace_back();
                result.cells[i][j][k] = stream.readInt();
            }
        }
    }
    size_t groupsSize = stream.readSize();
    result.groups = std::unordered_map<std::vector<int>, std::vector<std::string>>();
    for (size_t i = 0; i < groupsSize; i++) {
        std::vector<int> groupsKey;
        groupsKey = std::vector<int>();
        for (size_t j = 0, jCount = stream.readSize(); j < jCount; j++) {
            groupsKey.emplace_back();
            groupsKey[j] = stream.readInt();
        }
        std::vector<std::string> groupsValue;
        groupsValue = std::vector<std::string>();
        for (size_t k = 0, kCount = stream.readSize(); k < kCount; k++) {
            groupsValue.emplace_back();
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
