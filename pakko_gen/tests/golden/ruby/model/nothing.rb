class Nothing
    def initialize()
    end
    def self.read_from(stream)
        Nothing.new()
    end
    def write_to(stream)
    end
end
