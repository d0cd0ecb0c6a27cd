import struct


class StreamWrapper:
    BOOL_FORMAT_STRUCT = struct.Struct("?")
    INT_FORMAT_STRUCT = struct.Struct("<i")
    LONG_FORMAT_STRUCT = struct.Struct("<q")
    FLOAT_FORMAT_STRUCT = struct.Struct("<f")
    DOUBLE_FORMAT_STRUCT = struct.Struct("<d")
    CHUNK_SIZE = 1 << 16

    def __init__(self, stream):
        self.stream = stream

    def flush(self):
        self.stream.flush()

    def close(self):
        self.stream.close()

    # Reading primitives

    def _read_exactly(self, count):
        data = self.stream.read(count)
        if data is None or len(data) != count:
            raise IOError("Unexpected EOF")
        return data

    def _read_value(self, format_struct):
        return format_struct.unpack(self._read_exactly(format_struct.size))[0]

    def read_bool(self):
        value = self._read_exactly(1)[0]
        if value > 1:
            raise IOError("Unexpected bool value")
        return value == 1

    def read_int(self):
        return self._read_value(StreamWrapper.INT_FORMAT_STRUCT)

    def read_long(self):
        return self._read_value(StreamWrapper.LONG_FORMAT_STRUCT)

    def read_float(self):
        return self._read_value(StreamWrapper.FLOAT_FORMAT_STRUCT)

    def read_double(self):
        return self._read_value(StreamWrapper.DOUBLE_FORMAT_STRUCT)

    # A count of elements or a length in bytes; a negative one is an error
    # (and would read a length up to the end of the stream).
    def read_size(self):
        size = self.read_int()
        if size < 0:
            raise IOError("Negative length or count")
        return size

    # The text grows as its bytes arrive: a buffered stream's read makes room
    # for all it is asked for before reading any of it.
    def read_string(self):
        length = self.read_size()
        data = bytearray()
        while len(data) < length:
            data += self._read_exactly(min(length - len(data), StreamWrapper.CHUNK_SIZE))
        return data.decode("utf-8")

    # Writing primitives

    def write_bool(self, value):
        self.stream.write(StreamWrapper.BOOL_FORMAT_STRUCT.pack(value))

    def write_int(self, value):
        self.stream.write(StreamWrapper.INT_FORMAT_STRUCT.pack(value))

    def write_long(self, value):
        self.stream.write(StreamWrapper.LONG_FORMAT_STRUCT.pack(value))

    def write_float(self, value):
        self.stream.write(StreamWrapper.FLOAT_FORMAT_STRUCT.pack(value))

    def write_double(self, value):
        self.stream.write(StreamWrapper.DOUBLE_FORMAT_STRUCT.pack(value))

    def write_string(self, value):
        data = value.encode("utf-8")
        self.write_int(len(data))
        self.stream.write(data)
