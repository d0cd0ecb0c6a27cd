from .vec2_int import Vec2Int
from .unit_kind import UnitKind
from .vec2_int import Vec2Int
class Squad:
    def __init__(self, leader_id, positions, targets, name, active, speed, max_long):
        self.leader_id = leader_id
        self.positions = positions
        self.targets = targets
        self.name = name
        self.active = active
        self.speed = speed
        self.max_long = max_long
    @staticmethod
    def read_from(stream):
        if stream.read_bool():
            leader_id = stream.read_int()
        else:
            leader_id = None
        positions = []
        for _ in range(stream.read_size()):
            positions_element = Vec2Int.read_from(stream)
            positions.append(positions_element)
        targets = {}
        for _ in range(stream.read_size()):
            targets_key = UnitKind(stream.read_int())
            targets_value = Vec2Int.read_from(stream)
            targets[targets_key] = targets_value
        name = stream.read_string()
        active = stream.read_bool()
        speed = stream.read_float()
        max_long = stream.read_long()
        return Squad(leader_id, positions, targets, name, active, speed, max_long)
    def write_to(self, stream):
        if self.leader_id is None:
            stream.write_bool(False)
        else:
            stream.write_bool(True)
            stream.write_int(self.leader_id)
        stream.write_int(len(self.positions))
        for element in self.positions:
            element.write_to(stream)
        stream.write_int(len(self.targets))
        for key, value in self.targets.items():
            stream.write_int(key)
            value.write_to(stream)
        stream.write_string(self.name)
        stream.write_bool(self.active)
        stream.write_float(self.speed)
        stream.write_long(self.max_long)
    def __repr__(self):
        return "Squad(" + \
            repr(self.leader_id) + "," + \
            repr(self.positions) + "," + \
            repr(self.targets) + "," + \
            repr(self.name) + "," + \
            repr(self.active) + "," + \
            repr(self.speed) + "," + \
            repr(self.max_long) + \
            ")"
