#include "ovra/context.hpp"

#include <fmt/format.h>
#include <kimbly/logger.hpp>
#include <kimbly/panic.hpp>

#include "ovra/error.hpp"
#include "ovra/gl_constants.hpp"
#include "ovra/raw/epoxy_context.hpp"
#include "text.hpp"

namespace ovra {

std::shared_ptr<Ovra> Ovra::create_from_window() { return create_with(ovra_raw::make_epoxy_context()); }

std::shared_ptr<Ovra> Ovra::create_with(std::unique_ptr<ovra_raw::Context> raw) {
    auto context = std::make_shared<Ovra>(std::move(raw));
    context->init();
    return context;
}

void Ovra::init() {
    if (kimbly::logger::enabled(kimbly::logger::Level::Info, "ovra::context")) {
        std::string version = detail::utf8_or_stop(raw_->get_version_string(), "GL version is not UTF-8");
        kimbly::logger::info("ovra::context", "GL version: {:?}", version);
    }
    raw_->enable(gl::DEPTH_TEST);
    raw_->enable(gl::PROGRAM_POINT_SIZE);
    raw_->pixel_store(gl::UNPACK_ALIGNMENT, 1);
    ovra_raw::Enum code = raw_->get_error();
    if (code != gl::NO_ERROR) kimbly::panic(fmt::format("GL error: {}", error::name(error::from_code(code))));
}

}  // namespace ovra
