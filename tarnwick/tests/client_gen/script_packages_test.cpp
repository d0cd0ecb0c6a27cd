// The fixed files of the packages that need no build (JavaScript, Ruby,
// Python) and the Python package's options.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <pakko/json_value.hpp>

#include "tarnwick/client_gen/plain_script_packages.hpp"
#include "tarnwick/client_gen/python_package.hpp"
#include "tarnwick/client_gen/templates.hpp"

namespace {

using namespace tarnwick::client_gen;
using PythonCompiler = python_package::Compiler;

// How each stored file ends and which line ends it uses. A CR-LF file has
// CR LF before every line feed.
TEST(ScriptPackages, StoredFilesKeepTheirLineEnds) {
    enum class Ends { Lf, LfNoFinal, CrLf, CrLfNoFinal };
    struct Case {
        const char* path;
        Ends ends;
        std::size_t bytes;  // 0 where the size is our own
    };
    const Case cases[] = {
        {"python/Dockerfile.cpython", Ends::Lf, 280},   {"python/Dockerfile.pypy", Ends::Lf, 86},
        {"python/main.py", Ends::Lf, 0},                {"python/debug_interface.py", Ends::CrLf, 460},
        {"python/my_strategy.py", Ends::Lf, 0},         {"javascript/Dockerfile", Ends::LfNoFinal, 48},
        {"javascript/index.js", Ends::Lf, 0},           {"javascript/debug-interface.js", Ends::CrLfNoFinal, 0},
        {"javascript/my-strategy.js", Ends::Lf, 0},     {"ruby/Dockerfile", Ends::LfNoFinal, 46},
        {"ruby/main.rb", Ends::Lf, 0},                  {"ruby/debug_interface.rb", Ends::CrLfNoFinal, 0},
        {"ruby/my_strategy.rb", Ends::LfNoFinal, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const std::string_view text = client_template(c.path);
        const bool crlf = c.ends == Ends::CrLf || c.ends == Ends::CrLfNoFinal;
        const bool final_end = c.ends == Ends::Lf || c.ends == Ends::CrLf;
        std::size_t line_feeds = 0;
        std::size_t carriage_returns = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\r') ++carriage_returns;
            if (text[i] != '\n') continue;
            ++line_feeds;
            EXPECT_EQ(i > 0 && text[i - 1] == '\r', crlf) << "line feed at " << i;
        }
        EXPECT_EQ(carriage_returns, crlf ? line_feeds : 0);
        EXPECT_EQ(text.ends_with('\n'), final_end);
        EXPECT_FALSE(text.ends_with(crlf ? "\r\n\r\n" : "\n\n"));
        if (c.bytes != 0) {
            EXPECT_EQ(text.size(), c.bytes);
        }
    }
}

std::vector<std::string> paths(const std::vector<FixedFile>& files) {
    std::vector<std::string> result;
    for (const auto& file : files) result.push_back(file.path);
    return result;
}

TEST(ScriptPackages, PyPyChangesOnlyTheImageAndScripts) {
    const auto cpython = python_package::fixed_files(PythonCompiler::CPython);
    const auto pypy = python_package::fixed_files(PythonCompiler::PyPy);
    const std::vector<std::string> order{"Dockerfile",         "compile.sh",    "run.sh", "main.py",
                                         "debug_interface.py", "my_strategy.py"};
    ASSERT_EQ(paths(cpython), order);
    ASSERT_EQ(paths(pypy), order);
    for (std::size_t i = 0; i < order.size(); ++i) EXPECT_EQ(cpython[i].text == pypy[i].text, i >= 3) << order[i];
    EXPECT_TRUE(cpython[1].text.ends_with("\n\nfind . -name '*.pyx' -exec cythonize -i {} \\;\n"
                                          "python -m py_compile main.py\ncp -r * /output/"));
    EXPECT_EQ(cpython[1].text.size(), 288u);
    EXPECT_EQ(pypy[1].text.size(), 241u);
    EXPECT_EQ(cpython[2].text, "set -ex\n\ncd /output\npython ./main.py \"$@\"");
    EXPECT_EQ(pypy[2].text, "set -ex\n\ncd /output\npypy3 ./main.py \"$@\"");
}

TEST(ScriptPackages, PythonOptionsFromJson) {
    struct Case {
        const char* json;
        std::optional<PythonCompiler> compiler;  // absent: an error
    };
    const Case cases[] = {
        {"{}", PythonCompiler::CPython},
        {"[]", PythonCompiler::CPython},
        {"{\"compiler\": \"PyPy\"}", PythonCompiler::PyPy},
        {"[\"PyPy\"]", PythonCompiler::PyPy},
        {"[\"PyPy\", null]", PythonCompiler::PyPy},
        {"{\"compiler\": {\"PyPy\": null}}", PythonCompiler::PyPy},
        {"{\"compiler\": \"CPython\", \"pakko\": null}", PythonCompiler::CPython},
        {"{\"other\": 1, \"compiler\": \"PyPy\"}", PythonCompiler::PyPy},
        {"null", std::nullopt},
        {"\"PyPy\"", std::nullopt},
        {"{\"compiler\": \"Jython\"}", std::nullopt},
        {"{\"compiler\": \"pypy\"}", std::nullopt},
        {"{\"compiler\": {\"PyPy\": 1}}", std::nullopt},
        {"{\"compiler\": {}}", std::nullopt},
        {"{\"compiler\": {\"PyPy\": null, \"CPython\": null}}", std::nullopt},
        {"{\"compiler\": 3}", std::nullopt},
        {"{\"compiler\": \"PyPy\", \"compiler\": \"PyPy\"}", std::nullopt},
        {"{\"pakko\": {}}", std::nullopt},
        {"[\"PyPy\", null, null]", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.json);
        const auto value = pakko::json::Value::parse(c.json);
        if (c.compiler) {
            EXPECT_EQ(GenOptionsTraits<python_package::GenOptions>::from_json(value).compiler, *c.compiler);
        } else {
            EXPECT_THROW(GenOptionsTraits<python_package::GenOptions>::from_json(value), pakko::json::Error);
        }
    }
}

TEST(ScriptPackages, PythonOptionsDebugForm) {
    EXPECT_EQ(GenOptionsTraits<python_package::GenOptions>::debug_form({PythonCompiler::PyPy, {}}),
              "GenOptions {\n    compiler: PyPy,\n    pakko: (),\n}");
    EXPECT_EQ(GenOptionsTraits<python_package::GenOptions>::debug_form({}),
              "GenOptions {\n    compiler: CPython,\n    pakko: (),\n}");
}

}  // namespace
