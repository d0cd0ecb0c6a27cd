use super::*;
#[derive(Clone, Debug, pakko::Pakko)]
pub struct Grid {
    pub cells: Vec<Vec<Vec<i32>>>,
    pub groups: std::collections::HashMap<Vec<i32>, Vec<String>>,
}
