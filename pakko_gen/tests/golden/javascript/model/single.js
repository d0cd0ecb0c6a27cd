module.exports = {
    Only : 0
}
