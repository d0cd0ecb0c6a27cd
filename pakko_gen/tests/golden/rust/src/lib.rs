
mod vec2_i32;
pub use self::vec2_i32::*;

mod single;
pub use self::single::*;

mod unit_kind;
pub use self::unit_kind::*;

mod squad;
pub use self::squad::*;

mod team;
pub use self::team::*;

mod command;
pub use self::command::*;

mod nothing;
pub use self::nothing::*;

mod grid;
pub use self::grid::*;
