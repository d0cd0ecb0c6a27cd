#pragma once
// A context over the recording fake, for tests without a display.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ovra/context.hpp"
#include "ovra/program.hpp"
#include "ovra/raw/recording_context.hpp"

namespace ovra::testing {

struct FakeGl {
    FakeGl() {
        auto raw = std::make_unique<ovra_raw::RecordingContext>();
        gl = raw.get();
        ovra = Ovra::create_with(std::move(raw));
        gl->calls.clear();
    }

    // A linked program whose active attributes and uniforms are the given
    // (name, location) pairs; the calls made so far are forgotten.
    ovra::Program program(std::vector<std::pair<std::string, std::int32_t>> attributes,
                          std::vector<std::pair<std::string, std::int32_t>> uniforms) {
        gl->attributes.clear();
        gl->uniforms.clear();
        for (auto& [name, location] : attributes) gl->attributes.push_back({{name, 1, 5126}, location});
        for (auto& [name, location] : uniforms) gl->uniforms.push_back({{name, 1, 5126}, location});
        auto linked = [&] {
            ovra::Shader shader(ovra, ovra::ShaderType::Vertex, "");
            return ovra::Program(ovra, {&shader});
        }();
        gl->calls.clear();
        return linked;
    }

    ovra_raw::RecordingContext* gl;
    OvraHandle ovra;
};

}  // namespace ovra::testing
