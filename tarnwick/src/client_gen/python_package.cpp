#include "tarnwick/client_gen/python_package.hpp"

#include <array>

#include <pakko_gen/python/generator.hpp>

#include "tarnwick/client_gen/scripts.hpp"

namespace tarnwick::client_gen::python_package {

std::vector<FixedFile> fixed_files(Compiler compiler) {
    constexpr std::array<std::string_view, 3> sources{"main.py", "debug_interface.py", "my_strategy.py"};
    if (compiler == Compiler::PyPy) {
        return script_package_files(
            {"python", "python/Dockerfile.pypy", "my_strategy.py", build_lines::PYPY, "pypy3 ./main.py", sources});
    }
    return script_package_files(
        {"python", "python/Dockerfile.cpython", "my_strategy.py", build_lines::CPYTHON, "python ./main.py", sources});
}

void Package::gen(const ClientGenOptions& options, const GenOptions& gen_options,
                  const std::vector<pakko::SchemaPtr>& roots) {
    gen_package<pakko_gen::python::Generator>(options, options.name, gen_options.pakko, roots, ".",
                                              fixed_files(gen_options.compiler));
}

}  // namespace tarnwick::client_gen::python_package
