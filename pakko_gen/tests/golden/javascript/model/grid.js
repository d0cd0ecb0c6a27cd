class Grid {
    constructor(cells, groups) {
        this.cells = cells;
        this.groups = groups;
    }
    static async readFrom(stream) {
        let cells;
        cells = [];
        for (let i = await stream.readSize(); i > 0; i--) {
            let cellsElement;
            cellsElement = [];
            for (let j = await stream.readSize(); j > 0; j--) {
                let cellsElementElement;
                cellsElementElement = [];
                for (let k = await stream.readSize(); k > 0; k--) {
                    let cellsElementElementElement;
                    cellsElementElementElement = await stream.readInt();
                    cellsElementElement.push(cellsElementElementElement);
                }
                cellsElement.push(cellsElementElement);
            }
            cells.push(cellsElement);
        }
        let groups;
        groups = new Map();
        for (let i = await stream.readSize(); i > 0; i--) {
            let groupsKey;
            let groupsValue;
            groupsKey = [];
            for (let j = await stream.readSize(); j > 0; j--) {
                let groupsKeyElement;
                groupsKeyElement = await stream.readInt();
                groupsKey.push(groupsKeyElement);
            }
            groupsValue = [];
            for (let k = await stream.readSize(); k > 0; k--) {
                let groupsValueElement;
                groupsValueElement = await stream.readString();
                groupsValue.push(groupsValueElement);
            }
            groups.set(groupsKey, groupsValue);
        }
        return new Grid(cells, groups);
    }
    async writeTo(stream) {
        let cells = this.cells;
        await stream.writeInt(cells.length);
        for (let cellsElement of cells) {
            await stream.writeInt(cellsElement.length);
            for (let cellsElementElement of cellsElement) {
                await stream.writeInt(cellsElementElement.length);
                for (let cellsElementElementElement of cellsElementElement) {
                    await stream.writeInt(cellsElementElementElement);
                }
            }
        }
        let groups = this.groups;
        await stream.writeInt(groups.size);
        for (let groupsEntry of groups) {
            let groupsKey = groupsEntry[0];
            let groupsValue = groupsEntry[1];
            await stream.writeInt(groupsKey.length);
            for (let groupsKeyElement of groupsKey) {
                await stream.writeInt(groupsKeyElement);
            }
            await stream.writeInt(groupsValue.length);
            for (let groupsValueElement of groupsValue) {
                await stream.writeString(groupsValueElement);
            }
        }
    }
}
module.exports = Grid
