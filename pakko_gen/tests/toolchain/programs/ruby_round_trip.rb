# Reads one message of the named root with the generated model and writes it
# back: ruby_round_trip.rb PACKAGE ROOT INPUT OUTPUT [ROOT INPUT OUTPUT...].
# The first failure goes to standard error, status 1.
require 'stringio'
require File.join(File.expand_path(ARGV[0]), 'stream_wrapper')
require File.join(File.expand_path(ARGV[0]), 'model')

# The byte stream the stream helper expects, over bytes in memory.
class BytesStream
    def initialize(bytes)
        @io = StringIO.new(bytes)
    end

    def read_bytes(count)
        data = @io.read(count) || ""
        raise "Unexpected end of input" if data.bytesize != count
        data
    end

    def write_bytes(data)
        @io.write(data)
    end

    def flush()
    end

    def at_end?()
        @io.eof?
    end

    def bytes()
        @io.string
    end
end

def round_trip(root, input, output)
    source = BytesStream.new(File.binread(input))
    target = BytesStream.new("".b)
    roots = { "ServerMessage" => ServerMessage, "ClientMessage" => ClientMessage, "DebugState" => DebugState }
    raise "Unknown root #{root}" unless roots.key?(root)
    roots[root].read_from(StreamWrapper.new(source)).write_to(StreamWrapper.new(target))
    raise "Bytes left after the message" unless source.at_end?
    File.binwrite(output, target.bytes)
end

begin
    ARGV.drop(1).each_slice(3) { |root, input, output| round_trip(root, input, output) }
rescue StandardError => error
    $stderr.puts error.message
    exit 1
end
