class Command:
    @staticmethod
    def read_from(stream):
        tag = stream.read_int()
        if tag == Move.TAG:
            return Command.Move.read_from(stream)
        if tag == Stop.TAG:
            return Command.Stop.read_from(stream)
        raise Exception("Unexpected tag value")

from .vec2_int import Vec2Int
class Move(Command):
    TAG = 0
    def __init__(self, target, speed):
        self.target = target
        self.speed = speed
    @staticmethod
    def read_from(stream):
        target = Vec2Int.read_from(stream)
        speed = stream.read_double()
        return Move(target, speed)
    def write_to(self, stream):
        stream.write_int(self.TAG)
        self.target.write_to(stream)
        stream.write_double(self.speed)
    def __repr__(self):
        return "Move(" + \
            repr(self.target) + "," + \
            repr(self.speed) + \
            ")"
Command.Move = Move
class Stop(Command):
    TAG = 1
    def __init__(self):
        pass
    @staticmethod
    def read_from(stream):
        return Stop()
    def write_to(self, stream):
        stream.write_int(self.TAG)
    def __repr__(self):
        return "Stop(" + \
            ")"
Command.Stop = Stop
