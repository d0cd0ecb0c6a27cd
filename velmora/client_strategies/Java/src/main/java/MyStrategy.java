import model.*;

import java.util.HashMap;
import java.util.Map;

public class MyStrategy {
    public Action getAction(PlayerView playerView, DebugInterface debugInterface) {
        Map<Integer, EntityAction> actions = new HashMap<>();
        for (Entity entity : playerView.getEntities()) {
            if (entity.getPlayerId() == null || entity.getPlayerId() != playerView.getMyId()) {
                continue;
            }
            EntityProperties properties = playerView.getEntityProperties().get(entity.getEntityType());
            MoveAction moveAction = null;
            BuildAction buildAction = null;
            if (properties.isCanMove()) {
                moveAction = new MoveAction(
                    new Vec2Int(playerView.getMapSize() - 1, playerView.getMapSize() - 1), true, true);
            } else if (properties.getBuild() != null) {
                EntityType entityType = properties.getBuild().getOptions()[0];
                int currentUnits = 0;
                for (Entity other : playerView.getEntities()) {
                    if (other.getPlayerId() != null && other.getPlayerId() == playerView.getMyId()
                            && other.getEntityType() == entityType) {
                        currentUnits++;
                    }
                }
                if ((currentUnits + 1) * playerView.getEntityProperties().get(entityType).getPopulationUse()
                        <= properties.getPopulationProvide()) {
                    buildAction = new BuildAction(entityType, new Vec2Int(
                        entity.getPosition().getX() + properties.getSize(),
                        entity.getPosition().getY() + properties.getSize() - 1));
                }
            }
            EntityType[] validAutoAttackTargets = entity.getEntityType() == EntityType.BUILDER_UNIT
                ? new EntityType[] { EntityType.RESOURCE }
                : new EntityType[0];
            actions.put(entity.getId(), new EntityAction(
                moveAction,
                buildAction,
                new AttackAction(null, new AutoAttack(properties.getSightRange(), validAutoAttackTargets)),
                null));
        }
        return new Action(actions);
    }

    public void debugUpdate(PlayerView playerView, DebugInterface debugInterface) {
        debugInterface.send(new DebugCommand.Clear());
        debugInterface.getState();
    }
}
