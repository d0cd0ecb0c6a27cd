from .vec2_int import Vec2Int
from .single import Single
from .unit_kind import UnitKind
from .squad import Squad
from .team import Team
from .command import Command
from .nothing import Nothing
from .grid import Grid
