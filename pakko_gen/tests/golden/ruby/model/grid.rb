class Grid
    attr_accessor :cells
    attr_accessor :groups
    def initialize(cells, groups)
        @cells = cells
        @groups = groups
    end
    def self.read_from(stream)
        cells = []
        stream.read_size().times do |_|
            cells_element = []
            stream.read_size().times do |_|
                cells_element_element = []
                stream.read_size().times do |_|
                    cells_element_element_element = stream.read_int()
                    cells_element_element.push(cells_element_element_element)
                end
                cells_element.push(cells_element_element)
            end
            cells.push(cells_element)
        end
        groups = Hash.new
        stream.read_size().times do |_|
            groups_key = []
            stream.read_size().times do |_|
                groups_key_element = stream.read_int()
                groups_key.push(groups_key_element)
            end
            groups_value = []
            stream.read_size().times do |_|
                groups_value_element = stream.read_string()
                groups_value.push(groups_value_element)
            end
            groups[groups_key] = groups_value
        end
        Grid.new(cells, groups)
    end
    def write_to(stream)
        stream.write_int(@cells.length())
        @cells.each do |element|
            stream.write_int(element.length())
            element.each do |element|
                stream.write_int(element.length())
                element.each do |element|
                    stream.write_int(element)
                end
            end
        end
        stream.write_int(@groups.length())
        @groups.each do |key, value|
            stream.write_int(key.length())
            key.each do |element|
                stream.write_int(element)
            end
            stream.write_int(value.length())
            value.each do |element|
                stream.write_string(element)
            end
        end
    end
end
