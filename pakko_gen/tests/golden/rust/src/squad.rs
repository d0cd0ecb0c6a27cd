use super::*;
#[derive(Clone, Debug, pakko::Pakko)]
pub struct Squad {
    pub leader_id: Option<i32>,
    pub positions: Vec<Vec2I32>,
    pub targets: std::collections::HashMap<UnitKind, Vec2I32>,
    pub name: String,
    pub active: bool,
    pub speed: f32,
    pub max_i64: i64,
}
