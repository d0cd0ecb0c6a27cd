module.exports.Vec2Int = require('./vec2-int');
module.exports.Single = require('./single');
module.exports.UnitKind = require('./unit-kind');
module.exports.Squad = require('./squad');
module.exports.Team = require('./team');
module.exports.Command = require('./command');
module.exports.Nothing = require('./nothing');
module.exports.Grid = require('./grid');
