// A match against two minimal TCP clients that answer every request with an
// empty action, next to the same ticks played by the rules alone: the
// difference is what the protocol and the sockets cost per tick. Beside them,
// the same bytes exchanged over loopback with nothing around them: what the
// sockets alone cost, the floor for the protocol's cost.
#include <benchmark/benchmark.h>

#include <ctime>
#include <memory>
#include <optional>
#include <stdexcept>
#include <variant>
#include <thread>
#include <vector>

#include <fmt/format.h>
#include <kimbly/chacha20.hpp>
#include <pakko/json.hpp>
#include <pakko/pakko.hpp>
#include <tarnwick/lib/messages.hpp>
#include <tarnwick/net/buffered_reader.hpp>
#include <tarnwick/net/tcp_listener.hpp>
#include <tarnwick/net/tcp_stream.hpp>

#include "velmora/game.hpp"
#include "velmora/lib/full_processor.hpp"
#include "velmora/model/init.hpp"
#include "velmora/model/turn.hpp"
#include "walk_message.hpp"

namespace {

using velmora::Game;
constexpr int TCP_MATCH_TICKS = 200;
// Room for a whole view, so that the client takes each one in a few reads,
// as the raw exchange's client does.
constexpr std::size_t CLIENT_BUFFER_BYTES = 256 * 1024;

// Connects (retrying until the runner listens), sends the empty token, then
// answers each request with an empty action until Finish. Each request is
// walked through with every check its decoding makes, but not built into
// records: a malformed message still fails the client, and the runner then
// loses the player, which fails the benchmark; building the records would
// only add the client's own cost to the tick.
// Everything the walk calls is inlined into it, so that no field costs a
// call: the client's own cost is not what is measured.
[[gnu::flatten]] std::size_t walk_request(tarnwick::net::BufferedReader& reader) {
    return bench::walk_one_of<tarnwick::ServerMessage<Game>>(reader);
}

void minimal_client(std::uint16_t port) {
    std::optional<tarnwick::net::TcpStream> stream;
    while (!stream) {
        try {
            stream.emplace(tarnwick::net::TcpStream::connect("127.0.0.1", port));
        } catch (const pakko::IoError&) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    stream->set_nodelay(true);
    const auto answer = pakko::to_bytes(
        tarnwick::ClientMessage<Game>{tarnwick::client_message::ActionMessage<Game>{velmora::model::Action{}}});
    const std::size_t finish = tarnwick::ServerMessage<Game>{tarnwick::server_message::Finish{}}.value.index();
    try {
        tarnwick::net::TcpStream writer = stream->try_clone();
        tarnwick::net::BufferedReader reader(std::move(*stream), CLIENT_BUFFER_BYTES);
        pakko::write(writer, std::string());
        while (walk_request(reader) != finish) writer.write_all(answer);
    } catch (const pakko::IoError&) {
    }
}

// CPU time of all the process's threads, the clients' included. On a busy
// machine wall time also counts other programs; this counts only the work.
class ProcessCpu {
public:
    void start() { started_ = now(); }
    void stop() { total_ += now() - started_; }
    // Per tick over the benchmark's iterations.
    benchmark::Counter per_tick(const benchmark::State& state) const {
        return benchmark::Counter(total_ / (static_cast<double>(state.iterations()) * TCP_MATCH_TICKS));
    }

private:
    static double now() {
        timespec time{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &time);
        return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_nsec) * 1e-9;
    }

    double started_ = 0;
    double total_ = 0;
};

velmora::FullOptions two_tcp_players() {
    auto port = [] { return tarnwick::net::TcpListener::bind("127.0.0.1", 0).local_port(); };
    return pakko::json::parse<velmora::FullOptions>(
        fmt::format(R"({{"seed": 1, "game": {{"Create": "Round1"}},
                        "players": [{{"Tcp": {{"port": {}}}}}, {{"Tcp": {{"port": {}}}}}]}})",
                    port(), port()));
}

void BM_TcpMatch(benchmark::State& state) {
    ProcessCpu cpu;
    for (auto _ : state) {
        state.PauseTiming();
        auto options = two_tcp_players();
        std::vector<std::thread> clients;
        for (const auto& entry : options.players) {
            clients.emplace_back(minimal_client, std::get<velmora::player_options::Tcp>(entry.value).options.port);
        }
        auto processor = std::make_optional(velmora::new_full(options));
        state.ResumeTiming();
        cpu.start();
        for (int tick = 0; tick < TCP_MATCH_TICKS; ++tick) benchmark::DoNotOptimize(processor->process_tick(nullptr));
        cpu.stop();
        state.PauseTiming();
        bool all_alive = true;
        for (std::size_t index = 0; index < processor->player_count(); ++index) {
            all_alive = all_alive && processor->player_alive(index);
        }
        processor.reset();
        for (auto& client : clients) client.join();
        // Timing must stay paused once the run is marked failed.
        if (!all_alive) {
            state.SkipWithError("a client failed, so not all its ticks were played");
            break;
        }
        state.ResumeTiming();
    }
    state.counters["cpu_per_tick"] = cpu.per_tick(state);
    state.counters["ticks_per_second"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * TCP_MATCH_TICKS, benchmark::Counter::kIsRate);
    state.counters["time_per_tick"] = benchmark::Counter(static_cast<double>(state.iterations()) * TCP_MATCH_TICKS,
                                                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_TcpMatch)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same ticks with empty actions and no players at all.
void BM_RulesOnlyEmptyActions(benchmark::State& state) {
    using namespace velmora::model;
    ProcessCpu cpu;
    for (auto _ : state) {
        state.PauseTiming();
        auto rng = kimbly::rng::ChaCha20Rng::seed_from_u64(1);
        Model model = init(rng, 2, options_from(OptionsPreset{Round1{}}));
        state.ResumeTiming();
        cpu.start();
        for (int tick = 0; tick < TCP_MATCH_TICKS; ++tick) {
            benchmark::DoNotOptimize(process_turn(model, rng, {{0, Action{}}, {1, Action{}}}));
        }
        cpu.stop();
    }
    state.counters["cpu_per_tick"] = cpu.per_tick(state);
    state.counters["time_per_tick"] = benchmark::Counter(static_cast<double>(state.iterations()) * TCP_MATCH_TICKS,
                                                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_RulesOnlyEmptyActions)->Unit(benchmark::kMillisecond);

// What the runner sends each tick: every player's GetAction message, encoded;
// and the size of a client's empty answer.
struct RecordedExchange {
    std::vector<std::vector<std::vector<std::byte>>> requests;  // by tick, then player
    std::vector<std::byte> answer;
};

RecordedExchange record_exchange() {
    using namespace velmora::model;
    using Traits = tarnwick::GameTraits<Game>;
    RecordedExchange recorded;
    recorded.answer = pakko::to_bytes(
        tarnwick::ClientMessage<Game>{tarnwick::client_message::ActionMessage<Game>{velmora::model::Action{}}});
    auto rng = kimbly::rng::ChaCha20Rng::seed_from_u64(1);
    Model model = init(rng, 2, options_from(OptionsPreset{Round1{}}));
    for (int tick = 0; tick < TCP_MATCH_TICKS; ++tick) {
        auto& requests = recorded.requests.emplace_back();
        for (std::size_t index = 0; index < 2; ++index) {
            requests.push_back(pakko::to_bytes(tarnwick::ServerMessage<Game>{
                tarnwick::server_message::GetAction<Game>{Traits::player_view(model, index), false}}));
        }
        process_turn(model, rng, {{0, Action{}}, {1, Action{}}});
    }
    return recorded;
}

// Reads each request of its player whole and answers it, tick after tick.
void raw_client(std::uint16_t port, const RecordedExchange& recorded, std::size_t index) {
    try {
        auto stream = tarnwick::net::TcpStream::connect("127.0.0.1", port);
        stream.set_nodelay(true);
        std::vector<std::byte> request;
        for (const auto& requests : recorded.requests) {
            request.resize(requests[index].size());
            stream.read_exact(request);
            stream.write_all(recorded.answer);
        }
    } catch (const pakko::IoError&) {
    }
}

tarnwick::net::TcpStream accept_from(tarnwick::net::TcpListener& listener) {
    auto accepted = listener.accept_one(std::chrono::seconds(10));
    auto* stream = std::get_if<tarnwick::net::TcpStream>(&accepted);
    if (stream == nullptr) throw std::runtime_error("no raw loopback client came");
    stream->set_nodelay(true);
    return std::move(*stream);
}

// The floor under BM_TcpMatch: per tick, each player's request out and the
// answer back, as bare writes and reads of the same bytes.
void BM_RawLoopbackExchange(benchmark::State& state) {
    const RecordedExchange recorded = record_exchange();
    std::vector<std::byte> answer(recorded.answer.size());
    std::size_t request_bytes = 0;
    for (const auto& requests : recorded.requests) {
        for (const auto& request : requests) request_bytes += request.size();
    }
    ProcessCpu cpu;
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<tarnwick::net::TcpListener> listeners;
        std::vector<std::thread> clients;
        std::vector<tarnwick::net::TcpStream> streams;
        for (std::size_t index = 0; index < 2; ++index) {
            listeners.push_back(tarnwick::net::TcpListener::bind("127.0.0.1", 0));
            clients.emplace_back(raw_client, listeners.back().local_port(), std::cref(recorded), index);
            streams.push_back(accept_from(listeners.back()));
        }
        state.ResumeTiming();
        cpu.start();
        for (const auto& requests : recorded.requests) {
            for (std::size_t index = 0; index < 2; ++index) {
                streams[index].write_all(requests[index]);
                streams[index].read_exact(answer);
            }
        }
        cpu.stop();
        state.PauseTiming();
        for (auto& client : clients) client.join();
        state.ResumeTiming();
    }
    state.counters["cpu_per_tick"] = cpu.per_tick(state);
    state.counters["request_bytes_per_tick"] = static_cast<double>(request_bytes) / TCP_MATCH_TICKS;
    state.counters["time_per_tick"] = benchmark::Counter(static_cast<double>(state.iterations()) * TCP_MATCH_TICKS,
                                                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_RawLoopbackExchange)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
