module.exports = {
    Worker : 0,
    RangedUnit : 1,
    Turret : 2
}
