use super::DebugInterface;
use model::*;

pub struct MyStrategy {}

impl MyStrategy {
    pub fn new() -> Self {
        Self {}
    }
    pub fn get_action(
        &mut self,
        player_view: &PlayerView,
        _debug_interface: Option<&mut DebugInterface>,
    ) -> Action {
        let my_id = Some(player_view.my_id);
        let mut entity_actions = std::collections::HashMap::new();
        for entity in &player_view.entities {
            if entity.player_id != my_id {
                continue;
            }
            let properties = &player_view.entity_properties[&entity.entity_type];
            let mut move_action = None;
            let mut build_action = None;
            if properties.can_move {
                move_action = Some(MoveAction {
                    target: Vec2I32 {
                        x: player_view.map_size - 1,
                        y: player_view.map_size - 1,
                    },
                    find_closest_position: true,
                    break_through: true,
                });
            } else if let Some(build) = &properties.build {
                let entity_type = build.options[0].clone();
                let current_units = player_view
                    .entities
                    .iter()
                    .filter(|other| other.player_id == my_id && other.entity_type == entity_type)
                    .count() as i32;
                if (current_units + 1) * player_view.entity_properties[&entity_type].population_use
                    <= properties.population_provide
                {
                    build_action = Some(BuildAction {
                        entity_type,
                        position: Vec2I32 {
                            x: entity.position.x + properties.size,
                            y: entity.position.y + properties.size - 1,
                        },
                    });
                }
            }
            let valid_targets = if entity.entity_type == EntityType::BuilderUnit {
                vec![EntityType::Resource]
            } else {
                vec![]
            };
            entity_actions.insert(
                entity.id,
                EntityAction {
                    move_action,
                    build_action,
                    attack_action: Some(AttackAction {
                        target: None,
                        auto_attack: Some(AutoAttack {
                            pathfind_range: properties.sight_range,
                            valid_targets,
                        }),
                    }),
                    repair_action: None,
                },
            );
        }
        Action { entity_actions }
    }
    pub fn debug_update(
        &mut self,
        _player_view: &PlayerView,
        debug_interface: &mut DebugInterface,
    ) {
        debug_interface.send(DebugCommand::Clear {});
        debug_interface.get_state();
    }
}
