#pragma once
// The raw layer over the real driver. libepoxy resolves each GL entry point
// by name through the GL context current on the calling thread the first time
// it is called, so the window must have made its context current first.
#include <memory>

#include "ovra/raw/context.hpp"

namespace ovra_raw {

std::unique_ptr<Context> make_epoxy_context();

}  // namespace ovra_raw
