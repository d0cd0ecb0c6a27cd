use super::*;
#[derive(Clone, Debug, pakko::Pakko)]
pub enum Command {
    Move {
        target: Vec2I32,
        speed: f64,
    },
    Stop {
    },
}
