#pragma once
// What a player draws over the game for its own debugging, and the input
// state it may ask for in return. Player programs send DebugData and receive
// DebugState; the keyboard player builds and reads them in memory.
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include <kimbly/color.hpp>
#include <kimbly/vec2.hpp>
#include <pakko/describe.hpp>

#include "velmora/camera.hpp"
#include "velmora/model/entity.hpp"

namespace velmora::model {

enum class PrimitiveType : std::int32_t {
    // Every two consecutive vertices make a segment.
    Lines,
    // Every three consecutive vertices make a filled triangle.
    Triangles,
};

struct ColoredVertex {
    // In the sending player's frame; absent stands for the screen point (0, 0).
    std::optional<kimbly::Vec2F32> world_pos;
    // Pixels added after the world point is projected.
    kimbly::Vec2F32 screen_offset;
    kimbly::ColorF32 color;

    bool operator==(const ColoredVertex&) const = default;
};

struct DebugData {
    struct Log {
        std::string text;
        bool operator==(const Log&) const = default;
    };
    // The vertex count is meant to suit the primitive type; decoding does
    // not check it.
    struct Primitives {
        std::vector<ColoredVertex> vertices;
        PrimitiveType primitive_type = PrimitiveType::Lines;
        bool operator==(const Primitives&) const = default;
    };
    struct PlacedText {
        ColoredVertex vertex;
        std::string text;
        // 0 left, 0.5 centre, 1 right.
        float alignment = 0.0f;
        // Font size in pixels.
        float size = 0.0f;
        bool operator==(const PlacedText&) const = default;
    };

    std::variant<Log, Primitives, PlacedText> value;

    bool operator==(const DebugData&) const = default;
};

struct DebugState {
    kimbly::Vec2Usize window_size;
    kimbly::Vec2F32 mouse_pos_window;
    // On the ground plane, in the player's own frame.
    kimbly::Vec2F32 mouse_pos_world;
    // Keys by their engine names, then mouse buttons as "Mouse" + name.
    std::vector<std::string> pressed_keys;
    camera::Camera camera;
    usize player_index = 0;

    bool operator==(const DebugState&) const = default;
};

constexpr auto pakko_describe(pakko::Tag<PrimitiveType>) {
    using pakko::doc, pakko::en, pakko::ru, pakko::variant;
    return pakko::enumeration<PrimitiveType>(
        "PrimitiveType", doc(en("Primitive type for debug rendering"), ru("Тип примитивов для отладочной отрисовки")),
        variant("Lines", doc(ru("Линии, количество вершин должно делиться на 2"),
                             en("Lines, number of vertices should be divisible by 2"))),
        variant("Triangles", doc(ru("Треугольники, количество вершин должно делиться на 3"),
                                 en("Triangles, number of vertices should be divisible by 3"))));
}

constexpr auto pakko_describe(pakko::Tag<ColoredVertex>) {
    using pakko::doc, pakko::en, pakko::ru, pakko::field;
    return pakko::record<ColoredVertex>(
        "ColoredVertex", doc(ru("Вершина для отладочной отрисовки"), en("Vertex for debug rendering")),
        field("world_pos", &ColoredVertex::world_pos,
              doc(en("Position in world coordinates (if none, screen position (0, 0) is used)"),
                  ru("Позиция в мировых координатах (если отсутствует, используются координаты (0, 0) экрана)"))),
        field("screen_offset", &ColoredVertex::screen_offset,
              doc(ru("Дополнительное смещение в экранных координатах"), en("Additional offset in screen coordinates"))),
        field("color", &ColoredVertex::color, doc(ru("Цвет"), en("Color to use"))));
}

constexpr auto pakko_describe(pakko::Tag<DebugData::Log>) {
    using pakko::doc, pakko::en, pakko::ru, pakko::field;
    return pakko::record<DebugData::Log>(
        "Log", doc(ru("Добавить запись в лог"), en("Log some text")),
        field("text", &DebugData::Log::text, doc(ru("Текст лога"), en("Text to show"))));
}

constexpr auto pakko_describe(pakko::Tag<DebugData::Primitives>) {
    using pakko::doc, pakko::en, pakko::ru, pakko::field;
    using P = DebugData::Primitives;
    return pakko::record<P>("Primitives", doc(en("Draw primitives"), ru("Отрисовка примитивов")),
                            field("vertices", &P::vertices, doc(en("Vertices"), ru("Вершины"))),
                            field("primitive_type", &P::primitive_type, doc(en("Primitive type"), ru("Тип примитивов"))));
}

constexpr auto pakko_describe(pakko::Tag<DebugData::PlacedText>) {
    using pakko::doc, pakko::en, pakko::ru, pakko::field;
    using P = DebugData::PlacedText;
    return pakko::record<P>(
        "PlacedText", doc(en("Draw text"), ru("Отрисовка текста")),
        field("vertex", &P::vertex,
              doc(ru("Вершина для определения положения и цвета текста"),
                  en("Vertex to determine text position and color"))),
        field("text", &P::text, doc(en("Text"), ru("Текст"))),
        field("alignment", &P::alignment,
              doc(en("Text alignment (0 means left, 0.5 means center, 1 means right)"),
                  ru("Выравнивание (0 - по левому краю, 0.5 - по центру, 1 - по правому краю)"))),
        field("size", &P::size, doc(en("Font size in pixels"), ru("Размер шрифта в пикселях"))));
}

constexpr auto pakko_describe(pakko::Tag<DebugData>) {
    using pakko::doc, pakko::en, pakko::ru;
    return pakko::one_of<DebugData>(
        "DebugData",
        doc(ru("Данные для отладки, которые могут быть отображены при помощи приложения"),
            en("Debug data can be drawn in the app")),
        &DebugData::value);
}

constexpr auto pakko_describe(pakko::Tag<DebugState>) {
    using pakko::doc, pakko::en, pakko::ru, pakko::field;
    return pakko::record<DebugState>(
        "DebugState", doc(en("Debug state to be received from the app"), ru("Состояние для отладки, получаемое из приложения")),
        field("window_size", &DebugState::window_size,
              doc(ru("Размер окна для отрисовки"), en("Size of the drawing canvas"))),
        field("mouse_pos_window", &DebugState::mouse_pos_window,
              doc(ru("Положение курсора в оконных координатах"), en("Mouse position in window coordinates"))),
        field("mouse_pos_world", &DebugState::mouse_pos_world,
              doc(en("Mouse position in world coordinates"), ru("Положение курсора в мировых координатах"))),
        field("pressed_keys", &DebugState::pressed_keys,
              doc(ru("Кнопки, нажатые в данный момент"), en("Currently pressed keys"))),
        field("camera", &DebugState::camera,
              doc(en("Current camera used for rendering"), ru("Текущая камера используемая для отрисовки"))),
        field("player_index", &DebugState::player_index, doc(ru("Индекс вашего игрока"), en("Your player's index"))));
}

}  // namespace velmora::model
