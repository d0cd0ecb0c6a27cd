#include "kimbly/dialogs.hpp"

#include <mutex>

#include "kimbly/dialogs/process_backend.hpp"
#include "pakko/file_io.hpp"

namespace kimbly {
namespace {

constexpr std::size_t SAVE_BUFFER_SIZE = 8192;

struct BackendSlot {
    std::mutex mutex;
    std::shared_ptr<dialogs::Backend> backend = std::make_shared<dialogs::ProcessBackend>();
};

BackendSlot& backend_slot() {
    static BackendSlot slot;
    return slot;
}

std::shared_ptr<dialogs::Backend> current_backend() {
    auto& slot = backend_slot();
    std::lock_guard lock(slot.mutex);
    return slot.backend;
}

}  // namespace

namespace dialogs {
std::shared_ptr<Backend> set_backend(std::shared_ptr<Backend> backend) {
    if (!backend) backend = std::make_shared<ProcessBackend>();
    auto& slot = backend_slot();
    std::lock_guard lock(slot.mutex);
    slot.backend.swap(backend);
    return backend;
}
}  // namespace dialogs

void save_file(std::string_view title, std::string_view default_name, const ContentWriter& write) {
    const auto path = current_backend()->save_file(title, default_name);
    if (!path) return;
    pakko::FileWriter writer(*path, SAVE_BUFFER_SIZE);
    write(writer);
    // The last buffered bytes reach the file only here; a full disk shows up
    // now, and must not pass for a saved file.
    writer.flush();
}

std::optional<std::filesystem::path> select_file(std::string_view title) {
    return current_backend()->open_file(title);
}

}  // namespace kimbly
