# Reads one message of the named root with the generated model and writes it
# back: python_round_trip.py PACKAGE ROOT INPUT OUTPUT [ROOT INPUT OUTPUT...].
# The first failure goes to standard error, status 1.
import io
import sys

sys.path.insert(0, sys.argv[1])

import model  # noqa: E402
from stream_wrapper import StreamWrapper  # noqa: E402


def main(root, input_path, output_path):
    with open(input_path, "rb") as source:
        data = source.read()
    reader = StreamWrapper(io.BytesIO(data))
    output = io.BytesIO()
    writer = StreamWrapper(output)
    roots = {
        "ServerMessage": model.ServerMessage,
        "ClientMessage": model.ClientMessage,
        "DebugState": model.DebugState,
    }
    if root not in roots:
        raise Exception("Unknown root " + root)
    roots[root].read_from(reader).write_to(writer)
    if reader.stream.tell() != len(data):
        raise Exception("Bytes left after the message")
    with open(output_path, "wb") as target:
        target.write(output.getvalue())


if __name__ == "__main__":
    try:
        for at in range(2, len(sys.argv) - 2, 3):
            main(sys.argv[at], sys.argv[at + 1], sys.argv[at + 2])
    except Exception as error:
        sys.stderr.write(str(error) + "\n")
        sys.exit(1)
