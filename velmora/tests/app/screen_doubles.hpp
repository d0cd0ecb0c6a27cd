#pragma once
// Stand-ins the screens talk to: a renderer that writes down what reaches
// it, file dialogs that answer from a queue, and preferences in a file of
// the test's own.
#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <kimbly/autosave.hpp>
#include <kimbly/dialogs.hpp>
#include <vindle/testing/engine_fixture.hpp>

#include "velmora/app/screens.hpp"

namespace velmora::testing {

class RecordingRenderer final : public GameRenderer {
public:
    explicit RecordingRenderer(std::shared_ptr<vindle::testing::Journal> journal) : journal_(std::move(journal)) {}

    double default_speed() const override { return 2; }
    void update(double) override {}
    void draw(CurrentState, ovra::Framebuffer&) override { journal_->push_back("draw"); }
    void handle_event(const kimbly::events::Event& event) override {
        journal_->push_back(vindle::testing::describe(event));
    }
    model::DebugState debug_state(const Game&, std::size_t) const override { return {}; }
    void handle_game_event(const model::Event&) override { journal_->push_back("game event"); }

private:
    std::shared_ptr<vindle::testing::Journal> journal_;
};

class FakeDialogs final : public kimbly::dialogs::Backend {
public:
    std::optional<std::filesystem::path> save_file(std::string_view title, std::string_view default_name) override {
        asked.push_back("save " + std::string(title) + " " + std::string(default_name));
        return answer();
    }
    std::optional<std::filesystem::path> open_file(std::string_view title) override {
        asked.push_back("open " + std::string(title));
        return answer();
    }

    // Answers in order; none (cancelled) once they run out.
    std::deque<std::optional<std::filesystem::path>> answers;
    std::vector<std::string> asked;

private:
    std::optional<std::filesystem::path> answer() {
        if (answers.empty()) return std::nullopt;
        auto next = std::move(answers.front());
        answers.pop_front();
        return next;
    }
};

// A fresh folder for the test's files, removed afterwards.
struct TempFolder {
    TempFolder() {
        path = std::filesystem::temp_directory_path() /
               ("velmora-screens-" + std::to_string(::getpid()) + "-" + std::to_string(counter()++));
        std::filesystem::create_directories(path);
    }
    ~TempFolder() { std::filesystem::remove_all(path); }
    static int& counter() {
        static int next = 0;
        return next;
    }
    std::filesystem::path path;
};

struct ScreenDoubles {
    ScreenDoubles() { previous = kimbly::dialogs::set_backend(dialogs); }
    ~ScreenDoubles() { kimbly::dialogs::set_backend(previous); }

    std::unique_ptr<GameRenderer> renderer() { return std::make_unique<RecordingRenderer>(journal); }
    Preferences preferences() {
        return std::make_shared<kimbly::autosave::AutoSave<renderer::Preferences>>(
            kimbly::autosave::AutoSave<renderer::Preferences>::load(folder.path / "preferences.json"));
    }

    TempFolder folder;
    std::shared_ptr<FakeDialogs> dialogs = std::make_shared<FakeDialogs>();
    std::shared_ptr<kimbly::dialogs::Backend> previous;
    std::shared_ptr<vindle::testing::Journal> journal = std::make_shared<vindle::testing::Journal>();
};

}  // namespace velmora::testing
