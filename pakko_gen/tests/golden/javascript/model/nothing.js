class Nothing {
    constructor() {
    }
    static async readFrom(stream) {
        return new Nothing();
    }
    async writeTo(stream) {
    }
}
module.exports = Nothing
