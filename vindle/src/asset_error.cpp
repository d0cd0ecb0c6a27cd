#include "vindle/asset.hpp"

namespace vindle::asset {

namespace {

std::string joined(const std::string& message, const std::vector<std::string>& causes) {
    std::string text = message;
    for (const auto& cause : causes) text += ": " + cause;
    return text;
}

}  // namespace

AssetError::AssetError(std::string message, std::vector<std::string> causes)
    : std::runtime_error(joined(message, causes)), message_(std::move(message)), causes_(std::move(causes)) {}

}  // namespace vindle::asset
