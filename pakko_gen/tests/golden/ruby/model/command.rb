require_relative 'vec2_int'
class Command
    def self.read_from(stream)
        tag = stream.read_int()
        if tag == Command::Move::TAG
            return Command::Move.read_from(stream)
        end
        if tag == Command::Stop::TAG
            return Command::Stop.read_from(stream)
        end
        raise "Unexpected tag value"
    end

    class Move
        TAG = 0
        attr_accessor :target
        attr_accessor :speed
        def initialize(target, speed)
            @target = target
            @speed = speed
        end
        def self.read_from(stream)
            target = Vec2Int.read_from(stream)
            speed = stream.read_double()
            Move.new(target, speed)
        end
        def write_to(stream)
            stream.write_int(TAG)
            @target.write_to(stream)
            stream.write_double(@speed)
        end
    end
    class Stop
        TAG = 1
        def initialize()
        end
        def self.read_from(stream)
            Stop.new()
        end
        def write_to(stream)
            stream.write_int(TAG)
        end
    end
end
