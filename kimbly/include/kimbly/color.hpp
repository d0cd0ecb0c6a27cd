#pragma once
// RGBA colours as sent to player programs and to the shaders. No range is
// enforced: debug data from a client may carry any value.
#include <pakko/describe.hpp>

namespace kimbly {

template <class T>
struct Color {
    T r{};
    T g{};
    T b{};
    T a{};
    bool operator==(const Color&) const = default;
};

using ColorF32 = Color<float>;

template <class T>
constexpr auto pakko_describe(pakko::Tag<Color<T>>) {
    using pakko::doc, pakko::en, pakko::ru, pakko::field;
    return pakko::record<Color<T>>(
        "Color", doc(en("RGBA Color"), ru("Цвет в формате RGBA")),
        field("r", &Color<T>::r, doc(ru("Компонента красного цвета"), en("Red component"))),
        field("g", &Color<T>::g, doc(ru("Компонента зеленого цвета"), en("Green component"))),
        field("b", &Color<T>::b, doc(ru("Компонента синего цвета"), en("Blue component"))),
        field("a", &Color<T>::a, doc(en("Alpha (opacity) component"), ru("Комнонента видимости (непрозрачности)"))));
}

}  // namespace kimbly
