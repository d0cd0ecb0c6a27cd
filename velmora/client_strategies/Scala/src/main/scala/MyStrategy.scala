import model._

class MyStrategy {
  def getAction(playerView: PlayerView, debugInterface: Option[DebugInterface]): Action = {
    val mine = playerView.entities.filter(_.playerId == Some(playerView.myId))
    Action(mine.map { entity =>
      val properties = playerView.entityProperties(entity.entityType)
      val moveAction =
        if (properties.canMove) Some(MoveAction(Vec2Int(playerView.mapSize - 1, playerView.mapSize - 1), true, true))
        else None
      val buildAction = properties.build.filter(_ => !properties.canMove).flatMap { build =>
        val entityType = build.options.head
        val currentUnits = mine.count(_.entityType == entityType)
        if ((currentUnits + 1) * playerView.entityProperties(entityType).populationUse <= properties.populationProvide)
          Some(BuildAction(entityType,
            Vec2Int(entity.position.x + properties.size, entity.position.y + properties.size - 1)))
        else None
      }
      val validAutoAttackTargets =
        if (entity.entityType == EntityType.BUILDER_UNIT) Seq(EntityType.RESOURCE) else Seq()
      entity.id -> EntityAction(moveAction, buildAction,
        Some(AttackAction(None, Some(AutoAttack(properties.sightRange, validAutoAttackTargets)))), None)
    }.toMap)
  }

  def debugUpdate(playerView: PlayerView, debugInterface: DebugInterface) {
    debugInterface.send(DebugCommand.Clear())
    debugInterface.getState()
  }
}
