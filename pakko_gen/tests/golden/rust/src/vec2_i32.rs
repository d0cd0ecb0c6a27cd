use super::*;
#[derive(Clone, Debug, PartialEq, Eq, Hash, pakko::Pakko)]
pub struct Vec2I32 {
    pub x: i32,
    pub y: i32,
}
