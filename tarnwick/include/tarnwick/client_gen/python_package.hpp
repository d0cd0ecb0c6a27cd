#pragma once
// The Python client package: the generated model, the runner, the debug
// interface and the strategy template, with the image of CPython or PyPy.
#include <array>
#include <span>
#include <string_view>
#include <vector>

#include <pakko/schema.hpp>

#include "tarnwick/client_gen/compiler_options.hpp"
#include "tarnwick/client_gen/package.hpp"
#include "tarnwick/client_gen/script_client.hpp"

namespace tarnwick::client_gen {

namespace python_package {

enum class Compiler { CPython, PyPy };

inline constexpr std::array<std::string_view, 2> COMPILER_NAMES{"CPython", "PyPy"};
inline std::span<const std::string_view> variant_names(Compiler) { return COMPILER_NAMES; }

using GenOptions = CompilerGenOptions<Compiler>;

// The package files in the order they are written; only Dockerfile,
// compile.sh and run.sh depend on the compiler.
std::vector<FixedFile> fixed_files(Compiler compiler);

struct Package {
    static constexpr std::string_view NAME = "Python";
    static constexpr std::string_view INTERPRETER = "python3";
    static constexpr std::string_view MAIN_FILE = "main.py";
    using GenOptions = python_package::GenOptions;

    static void gen(const ClientGenOptions& options, const GenOptions& gen_options,
                    const std::vector<pakko::SchemaPtr>& roots);
};

}  // namespace python_package

template <Game G>
using PythonClient = ScriptClient<G, python_package::Package>;

}  // namespace tarnwick::client_gen
