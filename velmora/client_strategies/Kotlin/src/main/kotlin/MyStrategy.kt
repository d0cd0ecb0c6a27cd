import model.*

class MyStrategy {
    fun getAction(playerView: PlayerView, debugInterface: DebugInterface?): Action {
        val actions = mutableMapOf<Int, EntityAction>()
        for (entity in playerView.entities) {
            if (entity.playerId != playerView.myId) {
                continue
            }
            val properties = playerView.entityProperties[entity.entityType]!!
            var moveAction: MoveAction? = null
            var buildAction: BuildAction? = null
            val build = properties.build
            if (properties.canMove) {
                moveAction = MoveAction(Vec2Int(playerView.mapSize - 1, playerView.mapSize - 1), true, true)
            } else if (build != null) {
                val entityType = build.options[0]
                val currentUnits = playerView.entities.count {
                    it.playerId == playerView.myId && it.entityType == entityType
                }
                if ((currentUnits + 1) * playerView.entityProperties[entityType]!!.populationUse
                        <= properties.populationProvide) {
                    buildAction = BuildAction(entityType, Vec2Int(
                        entity.position.x + properties.size, entity.position.y + properties.size - 1))
                }
            }
            val validAutoAttackTargets =
                if (entity.entityType == EntityType.BUILDER_UNIT) arrayOf(EntityType.RESOURCE) else arrayOf()
            actions[entity.id] = EntityAction(
                moveAction,
                buildAction,
                AttackAction(null, AutoAttack(properties.sightRange, validAutoAttackTargets)),
                null)
        }
        return Action(actions)
    }

    fun debugUpdate(playerView: PlayerView, debugInterface: DebugInterface) {
        debugInterface.send(DebugCommand.Clear())
        debugInterface.getState()
    }
}
