import model


class MyStrategy:
    def __init__(self):
        pass

    def get_action(self, player_view, debug_interface):
        my_id = player_view.my_id
        entity_actions = {}
        for entity in player_view.entities:
            if entity.player_id != my_id:
                continue
            properties = player_view.entity_properties[entity.entity_type]
            move_action = None
            build_action = None
            if properties.can_move:
                move_action = model.MoveAction(
                    model.Vec2Int(player_view.map_size - 1, player_view.map_size - 1), True, True)
            elif properties.build is not None:
                entity_type = properties.build.options[0]
                current_units = 0
                for other in player_view.entities:
                    if other.player_id == my_id and other.entity_type == entity_type:
                        current_units += 1
                population_use = player_view.entity_properties[entity_type].population_use
                if (current_units + 1) * population_use <= properties.population_provide:
                    build_action = model.BuildAction(
                        entity_type,
                        model.Vec2Int(entity.position.x + properties.size,
                                      entity.position.y + properties.size - 1))
            valid_targets = []
            if entity.entity_type == model.EntityType.BUILDER_UNIT:
                valid_targets = [model.EntityType.RESOURCE]
            entity_actions[entity.id] = model.EntityAction(
                move_action,
                build_action,
                model.AttackAction(None, model.AutoAttack(properties.sight_range, valid_targets)),
                None)
        return model.Action(entity_actions)

    def debug_update(self, player_view, debug_interface):
        debug_interface.send(model.DebugCommand.Clear())
        debug_interface.get_state()
