#include "tarnwick/client_gen/harness.hpp"

#include <algorithm>
#include <cerrno>
#include <fstream>

#include "tarnwick/net/os_error.hpp"

namespace tarnwick::client_gen {

namespace {

namespace fs = std::filesystem;

inline constexpr std::string_view IMAGE_PREFIX = "tarnwick-test:";
inline constexpr std::string_view BASE_IMAGE = "tarnwick-test";

}  // namespace

void check_language_names(const std::set<std::string>& filter, std::span<const std::string_view> known) {
    for (const auto& name : filter) {
        if (std::find(known.begin(), known.end(), name) != known.end()) continue;
        std::string message = "Unknown language \"" + name + "\"; the known languages are";
        for (std::size_t i = 0; i < known.size(); ++i) message.append(i == 0 ? " " : ", ").append(known[i]);
        throw Error(message);
    }
}

fs::path package_dir(const fs::path& target, std::string_view language,
                     const std::optional<std::set<std::string>>& filter) {
    if (filter && filter->size() == 1) return target;
    return target / language;
}

void write_strategy_files(const fs::path& dir, const std::map<std::string, std::string>& files) {
    for (const auto& [relative, text] : files) {
        const fs::path path = dir / relative;
        errno = 0;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        if (out) out.write(text.data(), static_cast<std::streamsize>(text.size()));
        if (out) out.close();
        if (!out) throw net::os_error(errno ? errno : EIO, "Cannot write " + path.string());
    }
}

void build_docker(const fs::path& dir, std::string_view language) {
    const std::string image = std::string(IMAGE_PREFIX) + std::string(language);
    kimbly::logger::info(LOG_TARGET, "Building docker...");
    run(Command{"docker", {"build", "-t", image, "."}, dir});
    kimbly::logger::info(LOG_TARGET, "Compiling base package...");
    Child base(command("docker build -t tarnwick-test -"), Child::Stdin::Piped);
    base.write_stdin_and_close("FROM " + image + "\nRUN mkdir /output && sh compile.sh base");
    check_status(base.wait());
}

Command docker_client(const fs::path& dir, const std::optional<std::string>& host_from_docker) {
    return Command{"docker",
                   {"run", "--rm", "--name", std::string(BASE_IMAGE), "--network", "host", std::string(BASE_IMAGE),
                    "sh", "run.sh", host_from_docker.value_or("localhost"), std::to_string(TEST_PORT),
                    std::string(TEST_TOKEN)},
                   dir};
}

}  // namespace tarnwick::client_gen
