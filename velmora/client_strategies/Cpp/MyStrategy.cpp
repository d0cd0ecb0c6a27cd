#include "MyStrategy.hpp"
#include <memory>
#include <stdexcept>

MyStrategy::MyStrategy() {}

Action MyStrategy::getAction(const PlayerView& playerView, DebugInterface* debugInterface)
{
    Action result;
    for (const Entity& entity : playerView.entities) {
        if (entity.playerId == nullptr || *entity.playerId != playerView.myId) {
            continue;
        }
        const EntityProperties& properties = playerView.entityProperties.at(entity.entityType);
        std::shared_ptr<MoveAction> moveAction;
        std::shared_ptr<BuildAction> buildAction;
        if (properties.canMove) {
            moveAction = std::make_shared<MoveAction>(
                Vec2Int(playerView.mapSize - 1, playerView.mapSize - 1), true, true);
        } else if (properties.build != nullptr) {
            EntityType entityType = properties.build->options[0];
            int currentUnits = 0;
            for (const Entity& other : playerView.entities) {
                if (other.playerId != nullptr && *other.playerId == playerView.myId && other.entityType == entityType) {
                    currentUnits++;
                }
            }
            if ((currentUnits + 1) * playerView.entityProperties.at(entityType).populationUse <= properties.populationProvide) {
                buildAction = std::make_shared<BuildAction>(
                    entityType,
                    Vec2Int(entity.position.x + properties.size, entity.position.y + properties.size - 1));
            }
        }
        std::vector<EntityType> validAutoAttackTargets;
        if (entity.entityType == BUILDER_UNIT) {
            validAutoAttackTargets.push_back(RESOURCE);
        }
        result.entityActions[entity.id] = EntityAction(
            moveAction,
            buildAction,
            std::make_shared<AttackAction>(
                nullptr, std::make_shared<AutoAttack>(properties.sightRange, validAutoAttackTargets)),
            nullptr);
    }
    return result;
}

void MyStrategy::debugUpdate(const PlayerView& playerView, DebugInterface& debugInterface)
{
    debugInterface.send(DebugCommand::Clear());
    debugInterface.getState();
}
