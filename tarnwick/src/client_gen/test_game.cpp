#include "tarnwick/client_gen/test_game.hpp"

#include "tarnwick/client_gen/error.hpp"
#include "tarnwick/client_gen/harness.hpp"

namespace tarnwick::client_gen {

struct ClientRun::Shared {
    std::mutex mutex;
    std::condition_variable ended;
    bool abandoned = false;                       // no program may start any more
    Child* child = nullptr;                       // while the program runs
    bool started = false;                         // the program was started
    std::optional<std::chrono::nanoseconds> time;  // set when it ended successfully
    std::optional<std::string> failure;            // set when it failed
};

ClientRun::ClientRun(Command command)
    : shared_(std::make_shared<Shared>()),
      thread_("client", [this, command = std::move(command)]() mutable { body(std::move(command)); }) {}

ClientRun::~ClientRun() { end(); }

void ClientRun::body(Command command) {
    const auto start = std::chrono::steady_clock::now();
    std::optional<Child> child;
    std::string failure;
    try {
        {
            std::lock_guard lock(shared_->mutex);
            if (shared_->abandoned) return;
            child.emplace(command);
            shared_->child = &*child;
            shared_->started = true;
        }
        check_status(child->wait());
    } catch (const std::exception& error) {
        failure = error.what();
    }
    std::lock_guard lock(shared_->mutex);
    shared_->child = nullptr;
    if (failure.empty()) {
        shared_->time = std::chrono::steady_clock::now() - start;
    } else {
        kimbly::logger::error(LOG_TARGET, "Running client failed: {}", failure);
        shared_->failure = failure;
    }
    shared_->ended.notify_all();
}

void ClientRun::end() {
    {
        std::lock_guard lock(shared_->mutex);
        shared_->abandoned = true;
        if (shared_->child) shared_->child->kill();
    }
    thread_.join();
}

bool ClientRun::ended_within(std::chrono::nanoseconds limit) {
    std::unique_lock lock(shared_->mutex);
    return shared_->ended.wait_for(lock, limit, [&] { return shared_->time || shared_->failure; });
}

bool ClientRun::started() const {
    std::lock_guard lock(shared_->mutex);
    return shared_->started;
}

void ClientRun::fail_unconnected() {
    end();
    if (shared_->failure) throw Error("Running client failed: " + *shared_->failure);
    throw Error("Running client failed: it ended without connecting to the game");
}

std::chrono::nanoseconds ClientRun::finish(std::chrono::nanoseconds limit) {
    const bool ended = ended_within(limit);
    if (!ended) {
        kimbly::logger::error(LOG_TARGET, "The client did not end within {} s after the game; ending it",
                              std::chrono::duration_cast<std::chrono::seconds>(limit).count());
    }
    end();
    if (!ended) {
        throw Error("Running client failed: it did not end within " +
                    std::to_string(std::chrono::duration_cast<std::chrono::seconds>(limit).count()) +
                    " s after the game");
    }
    if (!shared_->time) throw Error("Running client failed: " + *shared_->failure);
    return *shared_->time;
}

TestGameOptions test_game_options(const std::optional<std::string>& host_from_docker) {
    TestGameOptions options;
    if (host_from_docker) options.tcp.host = "0.0.0.0";
    options.tcp.port = TEST_PORT;
    options.tcp.accept_timeout = 10.0;
    options.tcp.timeout = 10.0;
    options.tcp.token = std::string(TEST_TOKEN);
    return options;
}

void log_running_time(std::chrono::nanoseconds elapsed) {
    kimbly::logger::info(LOG_TARGET, "Client running time: {} ms",
                         std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

}  // namespace tarnwick::client_gen
