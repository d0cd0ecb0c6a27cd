#pragma once
// The short game a generated client plays at the end of its test: the
// client program, started on a thread of its own, against an empty player
// over the real TCP protocol, with a debug interface that always answers.
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <variant>

#include <kimbly/logger.hpp>
#include <kimbly/thread.hpp>

#include "tarnwick/client_gen/process.hpp"
#include "tarnwick/game.hpp"
#include "tarnwick/player/simple.hpp"
#include "tarnwick/player/tcp.hpp"
#include "tarnwick/processor/game_processor.hpp"

namespace tarnwick::client_gen {

// How long a client may take to end after the game has told it to finish.
inline constexpr std::chrono::seconds FINISH_WAIT{30};
// How often the wait for the client's connection looks whether the client
// has already ended.
inline constexpr std::chrono::milliseconds CONNECT_POLL{20};
// How long a connection the client made before it ended may still take to
// be judged: a refused token ends the client before the verdict arrives.
inline constexpr std::chrono::seconds VERDICT_WAIT{2};

// The client program, run and timed on a thread of its own. It can be ended
// from the owning thread at any time; the destructor ends it if it still runs
// and joins the thread.
class ClientRun {
public:
    explicit ClientRun(Command command);
    ClientRun(const ClientRun&) = delete;
    ClientRun& operator=(const ClientRun&) = delete;
    ~ClientRun();

    // Waits at most `limit` for the program to end. Returns its running
    // time; throws Error("Running client failed: " and why) when it could
    // not start, ended unsuccessfully, or had to be ended after `limit`.
    std::chrono::nanoseconds finish(std::chrono::nanoseconds limit);

    // Whether the program has ended, either way, waiting at most `limit`.
    bool ended_within(std::chrono::nanoseconds limit);
    // Whether the program was started at all.
    bool started() const;

    // Throws the Error of finish() for a program that ended before it
    // connected.
    [[noreturn]] void fail_unconnected();

private:
    struct Shared;
    void body(Command command);
    void end();

    std::shared_ptr<Shared> shared_;
    kimbly::Thread thread_;
};

struct TestGameOptions {
    player::tcp::TcpPlayerOptions tcp;
    std::chrono::nanoseconds finish_wait = FINISH_WAIT;
};

// The TCP player's options of the test game.
TestGameOptions test_game_options(const std::optional<std::string>& host_from_docker);

void log_running_time(std::chrono::nanoseconds elapsed);

// The client's connection, or the TCP player's failure. A client that ends
// before it connects ends the wait with its own failure, instead of the
// wait running into its time-out.
template <Game G>
typename player::tcp::TcpPlayer<G>::Result await_connection(typename player::tcp::TcpPlayer<G>::Pending& pending,
                                                            ClientRun& run) {
    while (!run.ended_within(CONNECT_POLL)) {
        if (auto result = pending.poll()) return std::move(*result);
    }
    const auto verdict_end = std::chrono::steady_clock::now() + VERDICT_WAIT;
    while (run.started()) {
        if (auto result = pending.poll()) return std::move(*result);
        if (std::chrono::steady_clock::now() >= verdict_end) break;
        std::this_thread::sleep_for(CONNECT_POLL);
    }
    run.fail_unconnected();
}

// Plays the test game: the client connects (or the TCP player's error or
// the client's own failure is thrown), the game runs to its end with a debug
// update after each tick, and the client must then end successfully.
template <Game G>
void play_test_game(const Command& client, const TestGameOptions& options, OptionsOf<G> game_options,
                    DebugStateOf<G> debug_state) {
    auto pending = player::tcp::TcpPlayer<G>::create(options.tcp);
    ClientRun run(client);
    auto connected = await_connection<G>(pending, run);
    if (auto* error = std::get_if<pakko::IoError>(&connected)) throw *error;
    {
        processor::PlayerSlots<G> players;
        players.push_back(std::move(std::get<0>(connected)));
        players.push_back(std::make_unique<player::EmptyPlayer<G>>());
        processor::GameProcessor<G> game(std::nullopt, std::move(game_options), std::move(players));
        player::DebugHandlersOf<G> handlers{[](std::size_t, bool, player::DebugCommandOf<G>) {},
                                            [&](std::size_t) { return debug_state; }};
        while (!game.strategy().finished()) {
            game.process_tick(&handlers);
            game.debug_update(nullptr, handlers);
        }
        // The game goes first: its TCP player tells the client to finish.
    }
    log_running_time(run.finish(options.finish_wait));
}

}  // namespace tarnwick::client_gen
