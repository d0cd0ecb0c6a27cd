use super::*;
#[derive(Clone, Debug, pakko::Pakko)]
pub struct Team {
    pub squad: Squad,
}
