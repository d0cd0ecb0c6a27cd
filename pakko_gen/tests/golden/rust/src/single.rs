use super::*;
#[derive(Clone, Debug, PartialEq, Eq, Hash, pakko::Pakko)]
pub enum Single {
    Only,
}
