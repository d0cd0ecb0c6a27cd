require_relative 'vec2_int'
require_relative 'unit_kind'
require_relative 'vec2_int'
class Squad
    attr_accessor :leader_id
    attr_accessor :positions
    attr_accessor :targets
    attr_accessor :name
    attr_accessor :active
    attr_accessor :speed
    attr_accessor :max_long
    def initialize(leader_id, positions, targets, name, active, speed, max_long)
        @leader_id = leader_id
        @positions = positions
        @targets = targets
        @name = name
        @active = active
        @speed = speed
        @max_long = max_long
    end
    def self.read_from(stream)
        if stream.read_bool()
            leader_id = stream.read_int()
        else
            leader_id = nil
        end
        positions = []
        stream.read_size().times do |_|
            positions_element = Vec2Int.read_from(stream)
            positions.push(positions_element)
        end
        targets = Hash.new
        stream.read_size().times do |_|
            targets_key = stream.read_int()
            if targets_key < 0 || targets_key > 2
                raise "Unexpected tag value"
            end
            targets_value = Vec2Int.read_from(stream)
            targets[targets_key] = targets_value
        end
        name = stream.read_string()
        active = stream.read_bool()
        speed = stream.read_float()
        max_long = stream.read_long()
        Squad.new(leader_id, positions, targets, name, active, speed, max_long)
    end
    def write_to(stream)
        if @leader_id.nil?
            stream.write_bool(false)
        else
            stream.write_bool(true)
            stream.write_int(@leader_id)
        end
        stream.write_int(@positions.length())
        @positions.each do |element|
            element.write_to(stream)
        end
        stream.write_int(@targets.length())
        @targets.each do |key, value|
            stream.write_int(key)
            value.write_to(stream)
        end
        stream.write_string(@name)
        stream.write_bool(@active)
        stream.write_float(@speed)
        stream.write_long(@max_long)
    end
end
