#include <gtest/gtest.h>

#include "velmora/renderer/draw/fog_plane.hpp"
#include "velmora/renderer/draw/model_renderer.hpp"

namespace {

// The texts are compared by length: an edit that drops or doubles a line
// shows up here before it shows up on screen.
TEST(ViewShaderSources, KeepTheirLength) {
    EXPECT_EQ(velmora::renderer::fog::FOG_PROGRAM.size(), 602u);
    EXPECT_EQ(velmora::renderer::space::obj::MODEL_PROGRAM.size(), 1134u);
}

TEST(ViewShaderSources, ModelPlacementIsTheInstanceRecord) {
    EXPECT_EQ(sizeof(velmora::renderer::space::obj::Instance), 44u);
}

}  // namespace
