class Nothing:
    def __init__(self):
        pass
    @staticmethod
    def read_from(stream):
        return Nothing()
    def write_to(self, stream):
        pass
    def __repr__(self):
        return "Nothing(" + \
            ")"
