#pragma once
// Every distinct schema of a graph once, dependencies first.
#include <functional>
#include <string>
#include <unordered_map>

#include <pakko/schema.hpp>

namespace pakko_gen {

class SchemaRegistry {
public:
    using Emit = std::function<void(const pakko::Schema&)>;

    // Registers `schema` and, depth first, every schema it refers to under
    // its full name, calling `emit` once for each newly registered one after
    // the schemas it refers to. A variant of a one-of is not registered on
    // its own: its fields are. A different schema under a name already taken
    // stops the program.
    void add(const pakko::Schema& schema, const Emit& emit);

private:
    std::unordered_map<std::string, pakko::Schema> schemas_;
};

}  // namespace pakko_gen
