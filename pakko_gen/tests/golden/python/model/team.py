from .squad import Squad
class Team:
    def __init__(self, squad):
        self.squad = squad
    @staticmethod
    def read_from(stream):
        squad = Squad.read_from(stream)
        return Team(squad)
    def write_to(self, stream):
        self.squad.write_to(stream)
    def __repr__(self):
        return "Team(" + \
            repr(self.squad) + \
            ")"
