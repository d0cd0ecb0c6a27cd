// Every client package started with no arguments, as a contestant starts it
// against a game of their own: it must connect to 127.0.0.1 port 31001 and
// identify itself with the default token, because a wrong default would ship
// to every contestant. The game then tells it to finish at once, and the
// client must end successfully without sending anything more.
#include <gtest/gtest.h>
#include <test_support/toolchain_env.hpp>

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <thread>
#include <variant>
#include <vector>

#include <pakko/binary.hpp>
#include <tarnwick/client_gen/cpp_package.hpp>
#include <tarnwick/client_gen/dlang_package.hpp>
#include <tarnwick/client_gen/go_package.hpp>
#include <tarnwick/client_gen/jvm_packages.hpp>
#include <tarnwick/client_gen/plain_script_packages.hpp>
#include <tarnwick/client_gen/python_package.hpp>
#include <tarnwick/client_gen/test_game.hpp>
#include <tarnwick/net/tcp_listener.hpp>

#include "client_gen/test_files.hpp"
#include "client_run.hpp"
#include "velmora/game.hpp"

namespace {

namespace fs = std::filesystem;
namespace cg = tarnwick::client_gen;
namespace net = tarnwick::net;

using velmora::Game;

constexpr const char* DEFAULT_HOST = "127.0.0.1";
constexpr std::uint16_t DEFAULT_PORT = 31001;
constexpr std::string_view DEFAULT_TOKEN = "5829147365820914";
// A server message is its variant's tag and then its fields; Finish has none.
constexpr std::int32_t FINISH_TAG = 1;
// Far above any token a client sends, so that a wrong length is reported
// instead of read.
constexpr std::int32_t MAX_TOKEN_BYTES = 1024;

// Virtual machines and dub's check of its build start slowly on a busy machine.
constexpr std::chrono::seconds CONNECT_WAIT{60};
constexpr std::chrono::seconds READ_WAIT{30};
constexpr std::chrono::seconds EXIT_WAIT{30};
constexpr std::chrono::seconds PORT_WAIT{60};

struct Client {
    std::string language;
    std::vector<std::string> tools;  // the case is skipped when one is missing
    // The test mode that makes the package ready to start; "gen" where its
    // own build cannot run here and `compile` builds it instead.
    std::string mode = "build";
    std::string compile;  // a shell line run in the package folder after the mode
    cg::Command (*start)(const cg::ClientGenOptions&);
};

// Names the case in the test's name.
void PrintTo(const Client& client, std::ostream* out) { *out << client.language; }

cg::Command mono_client(const cg::ClientGenOptions& options) {
    return cg::Command{"mono", {"client.exe"}, options.target_dir};
}

// Every package that runs here. Not here: F# (no compiler on this machine),
// Rust (its pinned crates exist on no registry), Markdown (no program), and
// the PyPy variant of Python, whose runner is the same file and whose
// interpreter is not installed.
const std::vector<Client>& clients() {
    static const std::vector<Client> table{
        {"Cpp", {"cmake"}, "build", "", &cg::CppClient<Game>::run_local},
        // The .NET SDK is not on this machine: mcs and mono stand in for it.
        {"CSharp", {"mcs", "mono"}, "gen", "mcs -out:client.exe *.cs Model/*.cs", &mono_client},
        {"Dlang", {"dub", "ldc2"}, "build", "", &cg::DlangClient<Game>::run_local},
        // Its default host is "localhost", which names 127.0.0.1 here too.
        {"Go", {"go"}, "build", "", &cg::GoClient<Game>::run_local},
        {"Java", {"javac"}, "build", "", &cg::JavaClient<Game>::run_local},
        {"JavaScript", {"node"}, "build", "", &cg::JavaScriptClient<Game>::run_local},
        {"Kotlin", {"kotlinc"}, "build", "", &cg::KotlinClient<Game>::run_local},
        {"Python", {"python3"}, "build", "", &cg::PythonClient<Game>::run_local},
        {"Ruby", {"ruby"}, "build", "", &cg::RubyClient<Game>::run_local},
        {"Scala", {"scalac"}, "build", "", &cg::ScalaClient<Game>::run_local},
    };
    return table;
}

using client_run::on_path;

// `command` with its standard output and error in `log`.
cg::Command logged(const cg::Command& command, const fs::path& log) {
    cg::Command result{"sh", {"-c", "exec \"$@\" > \"$0\" 2>&1", log.string(), command.program}, command.working_dir};
    result.args.insert(result.args.end(), command.args.begin(), command.args.end());
    return result;
}

// The TCP rows of the window's configuration screen listen on this port too,
// in tests of other suites and of other builds on the machine; they hold it
// for moments, so a busy port is waited for.
net::TcpListener listen_on_default_port() {
    const auto deadline = std::chrono::steady_clock::now() + PORT_WAIT;
    for (;;) {
        try {
            return net::TcpListener::bind(DEFAULT_HOST, DEFAULT_PORT);
        } catch (const pakko::IoError&) {
            if (std::chrono::steady_clock::now() >= deadline) throw;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

// Takes the one connection the client makes, reads its token, tells it to
// finish and returns the token; a client that sends anything after it fails.
// Nothing is returned when the failure is already reported.
std::optional<std::string> finish_at_once(net::TcpListener& listener) {
    auto accepted = listener.accept_one(CONNECT_WAIT);
    if (!std::holds_alternative<net::TcpStream>(accepted)) {
        ADD_FAILURE() << "no client connected to " << DEFAULT_HOST << ":" << DEFAULT_PORT << " within "
                      << CONNECT_WAIT.count() << " s";
        return std::nullopt;
    }
    auto& stream = std::get<net::TcpStream>(accepted);
    stream.set_read_timeout(READ_WAIT);
    const auto length = pakko::read<std::int32_t>(stream);
    if (length < 0 || length > MAX_TOKEN_BYTES) {
        ADD_FAILURE() << "the token's length is " << length;
        return std::nullopt;
    }
    std::string token(static_cast<std::size_t>(length), '\0');
    stream.read_exact(std::as_writable_bytes(std::span(token)));
    pakko::write(stream, FINISH_TAG);
    std::array<std::byte, 256> rest;
    std::size_t later = 0;
    for (std::size_t got; (got = stream.read_some(rest)) != 0;) later += got;
    EXPECT_EQ(later, 0u) << "bytes the client sent after its token, though Finish came first";
    return token;
}

class ClientWithoutArguments : public ::testing::TestWithParam<Client> {};

TEST_P(ClientWithoutArguments, ConnectsTo127001Port31001WithTheDefaultTokenAndEndsOnFinish) {
    const Client& client = GetParam();
    for (const auto& tool : client.tools) {
        if (!on_path(tool)) GTEST_SKIP() << tool << " is not installed";
    }
    test_support::use_toolchain_home(VELMORA_BINARY_DIR);
    const fs::path dir = client_run::work_dir("defaults_" + client.language);
    const fs::path package = dir / "client";
    // Maven's plugins are out of reach here: the stand-in builds the JVM
    // packages' jars, and no other package calls mvn.
    const fs::path stand_in = fs::path(VELMORA_SOURCE_DIR) / "velmora/tests/client_gen/toolchain/maven_stand_in";
    const char* path = std::getenv("PATH");
    ASSERT_TRUE(client_run::run_program({"env", "PATH=" + stand_in.string() + ":" + (path ? path : ""), VELMORA_EXE,
                                         "--client-gen", package.string(), "--client-gen-language", client.language,
                                         "--client-gen-test-mode", client.mode},
                                        dir / "build.txt"))
        << test_files::read_file(dir / "build.txt");
    if (!client.compile.empty()) {
        ASSERT_TRUE(client_run::run_program({"sh", "-c", "cd \"$0\" && " + client.compile, package.string()},
                                            dir / "compile.txt"))
            << test_files::read_file(dir / "compile.txt");
    }

    const cg::Command start = client.start(cg::ClientGenOptions{"velmora", package, "0.1.0"});
    net::TcpListener listener = listen_on_default_port();
    cg::ClientRun run(logged(start, dir / "client.txt"));
    try {
        if (auto token = finish_at_once(listener)) {
            EXPECT_EQ(*token, DEFAULT_TOKEN);
        }
    } catch (const pakko::IoError& error) {
        ADD_FAILURE() << "talking to the client: " << error.what();
    }
    EXPECT_NO_THROW(run.finish(EXIT_WAIT)) << "the client did not end successfully after Finish";
    if (HasFailure()) {
        ADD_FAILURE() << "the client's output:\n" << test_files::read_file(dir / "client.txt");
    } else {
        fs::remove_all(dir);
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, ClientWithoutArguments, ::testing::ValuesIn(clients()),
                         [](const auto& info) { return info.param.language; });

}  // namespace
