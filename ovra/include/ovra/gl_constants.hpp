#pragma once
// The GL constants the wrapper passes, under their GL names without the
// prefix, so that no GL header is needed to use or to test the wrapper.
#include "ovra/raw/context.hpp"

namespace ovra::gl {

using ovra_raw::Enum;

inline constexpr Enum NO_ERROR = 0;
inline constexpr Enum DEPTH_TEST = 2929;
inline constexpr Enum PROGRAM_POINT_SIZE = 34370;
inline constexpr Enum UNPACK_ALIGNMENT = 3317;
inline constexpr Enum BLEND = 3042;
inline constexpr Enum CULL_FACE = 2884;
inline constexpr Enum SRC_ALPHA = 770;
inline constexpr Enum ONE_MINUS_SRC_ALPHA = 771;
inline constexpr Enum ALWAYS = 519;
inline constexpr Enum COLOR_BUFFER_BIT = 16384;
inline constexpr Enum DEPTH_BUFFER_BIT = 256;

inline constexpr Enum VERTEX_SHADER = 35633;
inline constexpr Enum FRAGMENT_SHADER = 35632;
inline constexpr Enum COMPILE_STATUS = 35713;
inline constexpr Enum LINK_STATUS = 35714;
inline constexpr Enum ACTIVE_ATTRIBUTES = 35721;
inline constexpr Enum ACTIVE_UNIFORMS = 35718;

inline constexpr Enum TEXTURE_2D = 3553;
inline constexpr Enum TEXTURE0 = 33984;
inline constexpr Enum TEXTURE_MIN_FILTER = 10241;
inline constexpr Enum TEXTURE_MAG_FILTER = 10240;
inline constexpr Enum TEXTURE_WRAP_S = 10242;
inline constexpr Enum TEXTURE_WRAP_T = 10243;
inline constexpr Enum LINEAR = 9729;
inline constexpr Enum LINEAR_MIPMAP_LINEAR = 9987;
inline constexpr Enum CLAMP_TO_EDGE = 33071;
inline constexpr Enum RGBA = 6408;
inline constexpr Enum UNSIGNED_BYTE = 5121;

inline constexpr Enum FRAMEBUFFER = 36160;
inline constexpr Enum READ_FRAMEBUFFER = 36008;
inline constexpr Enum DRAW_FRAMEBUFFER = 36009;
inline constexpr Enum NEAREST = 9728;
inline constexpr Enum COLOR_ATTACHMENT0 = 36064;
inline constexpr Enum FRAMEBUFFER_COMPLETE = 36053;

inline constexpr Enum ARRAY_BUFFER = 34962;
inline constexpr Enum STATIC_DRAW = 35044;
inline constexpr Enum DYNAMIC_DRAW = 35048;
inline constexpr Enum FLOAT = 5126;

}  // namespace ovra::gl
