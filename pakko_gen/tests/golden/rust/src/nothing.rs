use super::*;
#[derive(Clone, Debug, PartialEq, Eq, Hash, pakko::Pakko)]
pub struct Nothing {
}
