class Grid:
    def __init__(self, cells, groups):
        self.cells = cells
        self.groups = groups
    @staticmethod
    def read_from(stream):
        cells = []
        for _ in range(stream.read_size()):
            cells_element = []
            for _ in range(stream.read_size()):
                cells_element_element = []
                for _ in range(stream.read_size()):
                    cells_element_element_element = stream.read_int()
                    cells_element_element.append(cells_element_element_element)
                cells_element.append(cells_element_element)
            cells.append(cells_element)
        groups = {}
        for _ in range(stream.read_size()):
            groups_key = []
            for _ in range(stream.read_size()):
                groups_key_element = stream.read_int()
                groups_key.append(groups_key_element)
            groups_value = []
            for _ in range(stream.read_size()):
                groups_value_element = stream.read_string()
                groups_value.append(groups_value_element)
            groups[groups_key] = groups_value
        return Grid(cells, groups)
    def write_to(self, stream):
        stream.write_int(len(self.cells))
        for element in self.cells:
            stream.write_int(len(element))
            for element in element:
                stream.write_int(len(element))
                for element in element:
                    stream.write_int(element)
        stream.write_int(len(self.groups))
        for key, value in self.groups.items():
            stream.write_int(len(key))
            for element in key:
                stream.write_int(element)
            stream.write_int(len(value))
            for element in value:
                stream.write_string(element)
    def __repr__(self):
        return "Grid(" + \
            repr(self.cells) + "," + \
            repr(self.groups) + \
            ")"
