#pragma once
// Drives a player program through the binary protocol over any pair of byte
// streams; the TCP player is one of these over a socket.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include <kimbly/panic.hpp>
#include <pakko/overloaded.hpp>
#include <pakko/pakko.hpp>

#include "tarnwick/lib/messages.hpp"
#include "tarnwick/player/bounded_reader.hpp"
#include "tarnwick/player/encode_buffer.hpp"
#include "tarnwick/player.hpp"

namespace tarnwick::player::stream {

inline constexpr std::string_view LOG_TARGET = "tarnwick::player::stream";

// The most bytes a client may send in answer to one request: its action or
// debug update with every message on the way. The largest real answer of an
// 80x80 game, orders for every cell and debug shapes over the whole map, is
// about 2 MiB. A decoded order takes some 24 times its bytes, so one client
// costs the runner at most a few hundred MiB; past the bound it fails.
inline constexpr std::size_t MAX_REQUEST_BYTES = 8 * 1024 * 1024;

// The protocol violations a client can commit, as I/O errors of kind Other.
pakko::IoError protocol_error(std::string_view message);

// Reports a Finish that could not be delivered; never throws.
void warn_finish_failed(std::string_view error) noexcept;

// A game whose traits write a player's view straight from the state, the
// same bytes as writing GameTraits<G>::player_view's result:
//     static void encode_player_view(const G&, std::size_t player_index, EncodeBuffer&);
template <class G>
concept EncodesViewsFromState = requires(const G& state, std::size_t player_index, EncodeBuffer& out) {
    GameTraits<G>::encode_player_view(state, player_index, out);
};

template <Game G>
class StreamPlayer final : public Player<G> {
public:
    StreamPlayer(std::unique_ptr<pakko::Reader> reader, std::unique_ptr<pakko::Writer> writer)
        : reader_(std::make_unique<BoundedReader>(std::move(reader), MAX_REQUEST_BYTES)),
          writer_(std::move(writer)) {}

    StreamPlayer(StreamPlayer&&) noexcept = default;
    StreamPlayer& operator=(StreamPlayer&&) = delete;

    // Tells a still connected client that the game is over. A client that has
    // already gone away only costs a warning: this runs while matches are torn
    // down, where nothing may throw.
    ~StreamPlayer() override {
        if (!connected()) return;
        try {
            send(ServerMessage<G>{server_message::Finish{}});
        } catch (const std::exception& error) {
            warn_finish_failed(error.what());
        }
    }

    bool connected() const noexcept { return reader_ != nullptr; }

    ActionOf<G> get_action(const PlayerViewOf<G>& view, DebugInterfaceOf<G>* debug_interface) override {
        return request_action([&] { write_built_view(view); }, debug_interface);
    }

    // The view only ever becomes bytes here, so a game that writes it
    // straight from the state is spared building it.
    ActionOf<G> get_action_from_state(const G& state, std::size_t player_index,
                                      DebugInterfaceOf<G>* debug_interface) override {
        if constexpr (EncodesViewsFromState<G>) {
            return request_action([&] { GameTraits<G>::encode_player_view(state, player_index, encoded_); },
                                  debug_interface);
        } else {
            return Player<G>::get_action_from_state(state, player_index, debug_interface);
        }
    }

    void debug_update(const PlayerViewOf<G>& view, DebugInterfaceOf<G>& debug_interface) override {
        if (!connected()) kimbly::panic("Called debug_update after error");
        guarded([&] {
            send_view<server_message::DebugUpdate<G>>([&] { write_built_view(view); });
            bool done = false;
            while (!done) {
                auto message = pakko::read<ClientMessage<G>>(*reader_);
                done = std::visit(pakko::Overloaded{
                                      [&](client_message::DebugMessage<G>& debug_message) {
                                          debug_interface.send(std::move(debug_message.command));
                                          return false;
                                      },
                                      [&](client_message::RequestDebugState&) {
                                          send(debug_interface.get_state());
                                          return false;
                                      },
                                      [](client_message::DebugUpdateDone&) { return true; },
                                      [](client_message::ActionMessage<G>&) -> bool {
                                          throw protocol_error("Unexpected action message in debug update");
                                      },
                                  },
                                  message.value);
            }
        });
    }

private:
    // Sends GetAction with the view `write_view` writes, then serves the
    // client's debug messages until its action comes.
    template <class WriteView>
    ActionOf<G> request_action(const WriteView& write_view, DebugInterfaceOf<G>* debug_interface) {
        if (!connected()) kimbly::panic("Called get_action after error");
        return guarded([&]() -> ActionOf<G> {
            send_view<server_message::GetAction<G>>(write_view, debug_interface != nullptr);
            while (true) {
                auto message = pakko::read<ClientMessage<G>>(*reader_);
                std::optional<ActionOf<G>> action = std::visit(
                    pakko::Overloaded{
                        [&](client_message::DebugMessage<G>& debug_message) -> std::optional<ActionOf<G>> {
                            // Without a debug interface the command has nowhere to go.
                            if (debug_interface) debug_interface->send(std::move(debug_message.command));
                            return std::nullopt;
                        },
                        [&](client_message::RequestDebugState&) -> std::optional<ActionOf<G>> {
                            if (!debug_interface) {
                                throw protocol_error("Requested debug state with no debug interface available");
                            }
                            send(debug_interface->get_state());
                            return std::nullopt;
                        },
                        [](client_message::ActionMessage<G>& action_message) -> std::optional<ActionOf<G>> {
                            return std::move(action_message.action);
                        },
                        [](client_message::DebugUpdateDone&) -> std::optional<ActionOf<G>> {
                            throw protocol_error("Unexpected debug update done message in get_action");
                        },
                    },
                    message.value);
                if (action) return std::move(*action);
            }
        });
    }

    // Each request renews what the client may send. Any I/O failure ends the
    // connection for good before it is reported, so nothing more, not even
    // Finish, goes to a client that broke the protocol.
    template <class Request>
    decltype(auto) guarded(Request&& request) {
        reader_->renew();
        try {
            return std::forward<Request>(request)();
        } catch (const pakko::IoError& error) {
            reader_.reset();
            writer_.reset();
            throw PlayerError(error);
        }
    }

    // Encoded in full first, into a buffer kept from message to message, then
    // written at once: a value that fails to encode sends nothing, and a
    // large view costs no allocation per tick.
    template <class T>
    void send(const T& value) {
        encoded_.clear();
        pakko::write(encoded_, value);
        write_encoded();
    }

    // The message alternative `M` of ServerMessage whose first field is the
    // view, written without a copy of the view: the alternative's tag, the
    // view as `write_view` writes it into the buffer, then the fields that
    // follow it.
    template <class M, class WriteView, class... Rest>
    void send_view(const WriteView& write_view, const Rest&... rest) {
        encode_view<M>(write_view, rest...);
        write_encoded();
    }

    // A view is thousands of small fields: with every step of its encoding
    // inlined into one function, no field costs a call.
    template <class M, class WriteView, class... Rest>
    [[gnu::flatten]] void encode_view(const WriteView& write_view, const Rest&... rest) {
        using Alternatives = decltype(ServerMessage<G>::value);
        constexpr std::int32_t tag = alternative_tag<M>(std::type_identity<Alternatives>{});
        static_assert(tag < static_cast<std::int32_t>(std::variant_size_v<Alternatives>));
        encoded_.clear();
        pakko::write(encoded_, tag);
        write_view();
        (pakko::write(encoded_, rest), ...);
    }

    void write_built_view(const PlayerViewOf<G>& view) {
        encoded_.append([&](auto& writer) { pakko::write(writer, view); });
    }

    template <class M, class... Alternatives>
    static constexpr std::int32_t alternative_tag(std::type_identity<std::variant<Alternatives...>>) {
        std::int32_t tag = 0;
        static_cast<void>(((std::is_same_v<M, Alternatives> ? true : (++tag, false)) || ...));
        return tag;
    }

    void write_encoded() {
        writer_->write_all(encoded_.bytes());
        writer_->flush();
    }

    std::unique_ptr<BoundedReader> reader_;
    std::unique_ptr<pakko::Writer> writer_;
    EncodeBuffer encoded_;
};

}  // namespace tarnwick::player::stream
