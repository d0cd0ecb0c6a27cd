#include "backtrace.hpp"

#include <cxxabi.h>
#include <execinfo.h>
#include <fmt/format.h>

#include <cstdlib>
#include <memory>
#include <string_view>

namespace kimbly {
namespace {

// backtrace_symbols gives "object(mangled+0x1f) [0x4005d0]"; the symbol is
// only known for exported functions (the executable links with -rdynamic).
std::string describe_frame(std::string_view raw) {
    auto open = raw.find('(');
    auto plus = raw.find('+', open == std::string_view::npos ? 0 : open);
    auto close = raw.find(')', open == std::string_view::npos ? 0 : open);
    if (open == std::string_view::npos || close == std::string_view::npos) return std::string(raw);
    std::string_view object = raw.substr(0, open);
    std::size_t symbol_end = (plus != std::string_view::npos && plus < close) ? plus : close;
    std::string mangled(raw.substr(open + 1, symbol_end - open - 1));
    std::string_view offset = raw.substr(symbol_end, close - symbol_end);
    if (mangled.empty()) return fmt::format("<unknown> at {}{}", object, offset);
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> demangled(
        abi::__cxa_demangle(mangled.c_str(), nullptr, nullptr, &status), &std::free);
    std::string_view name = status == 0 && demangled ? std::string_view(demangled.get()) : mangled;
    return fmt::format("{} at {}{}", name, object, offset);
}

}  // namespace

std::string capture_backtrace() {
    constexpr int MAX_FRAMES = 128;
    void* frames[MAX_FRAMES];
    int count = ::backtrace(frames, MAX_FRAMES);
    std::unique_ptr<char*, decltype(&std::free)> symbols(::backtrace_symbols(frames, count), &std::free);
    std::string text;
    // Frame 0 is this function.
    for (int i = 1; i < count; ++i) {
        std::string frame = symbols ? describe_frame(symbols.get()[i]) : fmt::format("{}", frames[i]);
        text += fmt::format("{:4}: {}\n", i - 1, frame);
    }
    if (!text.empty()) text.pop_back();
    return text;
}

}  // namespace kimbly
