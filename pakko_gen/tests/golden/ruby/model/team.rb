require_relative 'squad'
class Team
    attr_accessor :squad
    def initialize(squad)
        @squad = squad
    end
    def self.read_from(stream)
        squad = Squad.read_from(stream)
        Team.new(squad)
    end
    def write_to(stream)
        @squad.write_to(stream)
    end
end
