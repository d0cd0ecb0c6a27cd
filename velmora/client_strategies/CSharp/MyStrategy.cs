using System.Collections.Generic;
using Velmora.Model;

namespace Velmora
{
    public class MyStrategy
    {
        public Action GetAction(PlayerView playerView, DebugInterface debugInterface)
        {
            var entityActions = new Dictionary<int, EntityAction>();
            foreach (var entity in playerView.Entities)
            {
                if (!entity.PlayerId.HasValue || entity.PlayerId.Value != playerView.MyId)
                {
                    continue;
                }
                var properties = playerView.EntityProperties[entity.EntityType];
                MoveAction? moveAction = null;
                BuildAction? buildAction = null;
                if (properties.CanMove)
                {
                    moveAction = new MoveAction(new Vec2Int(playerView.MapSize - 1, playerView.MapSize - 1), true, true);
                }
                else if (properties.Build.HasValue)
                {
                    var entityType = properties.Build.Value.Options[0];
                    var currentUnits = 0;
                    foreach (var other in playerView.Entities)
                    {
                        if (other.PlayerId.HasValue && other.PlayerId.Value == playerView.MyId && other.EntityType == entityType)
                        {
                            currentUnits++;
                        }
                    }
                    if ((currentUnits + 1) * playerView.EntityProperties[entityType].PopulationUse <= properties.PopulationProvide)
                    {
                        buildAction = new BuildAction(
                            entityType,
                            new Vec2Int(entity.Position.X + properties.Size, entity.Position.Y + properties.Size - 1));
                    }
                }
                var validTargets = entity.EntityType == EntityType.BuilderUnit
                    ? new EntityType[] { EntityType.Resource }
                    : new EntityType[0];
                entityActions[entity.Id] = new EntityAction(
                    moveAction,
                    buildAction,
                    new AttackAction(null, new AutoAttack(properties.SightRange, validTargets)),
                    null);
            }
            return new Action(entityActions);
        }

        public void DebugUpdate(PlayerView playerView, DebugInterface debugInterface)
        {
            debugInterface.Send(new DebugCommand.Clear());
            debugInterface.GetState();
        }
    }
}
