class StreamWrapper
    @@BYTE_FORMAT_STRING = "c"
    @@INT_FORMAT_STRING = "l<"
    @@LONG_FORMAT_STRING = "q<"
    @@FLOAT_FORMAT_STRING = "e"
    @@DOUBLE_FORMAT_STRING = "E"
    @@CHUNK_SIZE = 1 << 16

    def initialize(stream)
        @stream = stream
    end

    def flush()
        @stream.flush()
    end

    def close()
        @stream.close()
    end

    # Reading primitives

    def read_bool()
        value = read_exactly(1).unpack(@@BYTE_FORMAT_STRING)[0]
        if value != 0 && value != 1
            raise "Unexpected bool value"
        end
        value == 1
    end

    def read_int()
        read_exactly(4).unpack(@@INT_FORMAT_STRING)[0]
    end

    def read_long()
        read_exactly(8).unpack(@@LONG_FORMAT_STRING)[0]
    end

    def read_float()
        read_exactly(4).unpack(@@FLOAT_FORMAT_STRING)[0]
    end

    def read_double()
        read_exactly(8).unpack(@@DOUBLE_FORMAT_STRING)[0]
    end

    # A count of elements or a length in bytes; a negative one is an error.
    def read_size()
        size = read_int()
        if size < 0
            raise "Negative length or count"
        end
        size
    end

    # The text grows as its bytes arrive: reading makes room for all it is
    # asked for before any of it comes.
    def read_string()
        length = read_size()
        data = String.new(encoding: "binary")
        while data.bytesize < length
            data << read_exactly([length - data.bytesize, @@CHUNK_SIZE].min)
        end
        data.force_encoding("utf-8")
    end

    # Writing primitives

    def write_bool(value)
        @stream.write_bytes([value ? 1 : 0].pack(@@BYTE_FORMAT_STRING))
    end

    def write_int(value)
        @stream.write_bytes([value].pack(@@INT_FORMAT_STRING))
    end

    def write_long(value)
        @stream.write_bytes([value].pack(@@LONG_FORMAT_STRING))
    end

    def write_float(value)
        @stream.write_bytes([value].pack(@@FLOAT_FORMAT_STRING))
    end

    def write_double(value)
        @stream.write_bytes([value].pack(@@DOUBLE_FORMAT_STRING))
    end

    def write_string(value)
        data = value.encode("utf-8").bytes
        write_int(data.length)
        @stream.write_bytes(data.pack("C*"))
    end

    private

    def read_exactly(count)
        data = @stream.read_bytes(count)
        if data.nil? || data.bytesize != count
            raise "Unexpected EOF"
        end
        data
    end
end