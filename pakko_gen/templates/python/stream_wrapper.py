import struct


class StreamWrapper:
    BOOL_FORMAT_STRUCT = struct.Struct("?")
    INT_FORMAT_STRUCT = struct.Struct("<i")
    LONG_FORMAT_STRUCT = struct.Struct("<q")
    FLOAT_FORMAT_STRUCT = struct.Struct("<f")
    DOUBLE_FORMAT_STRUCT = struct.Struct("<d")

    def __init__(self, stream):
        self.stream = stream

    def flush(self):
        self.stream.flush()

    def close(self):
        self.stream.close()

    # Reading primitives

    def _read_value(self, format_struct):
        return format_struct.unpack(self.stream.read(format_struct.size))[0]

    def read_bool(self):
        return self._read_value(StreamWrapper.BOOL_FORMAT_STRUCT)

    def read_int(self):
        return self._read_value(StreamWrapper.INT_FORMAT_STRUCT)

    def read_long(self):
        return self._read_value(StreamWrapper.LONG_FORMAT_STRUCT)

    def read_float(self):
        return self._read_value(StreamWrapper.FLOAT_FORMAT_STRUCT)

    def read_double(self):
        return self._read_value(StreamWrapper.DOUBLE_FORMAT_STRUCT)

    def read_string(self):
        length = self.read_int()
        # A negative length would read up to the end of the stream.
        if length < 0:
            raise IOError("Negative string length")
        data = self.stream.read(length)
        if len(data) != length:
            raise IOError("Unexpected EOF")
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
