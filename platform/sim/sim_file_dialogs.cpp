// The file-open dialog of the simulated machine: a test's answerer chooses, as a user would.
#include "platform/file_dialogs.h"
#include "platform/sim/world.h"
#include "platform/sim/world_state.h"
#include "platform/win32/real.h"

namespace platform::sim {
namespace {

class SimFileDialogs final : public FileDialogs {
public:
    explicit SimFileDialogs(World& w) : w_(w) {}

    bool OpenExistingFile(const OpenFileRequest& request, std::string* path) override {
        World::OpenFileAnswerer answerer;
        {
            std::lock_guard<std::mutex> lock(w_.Internal().mutex);
            answerer = w_.Internal().openFileAnswerer;
        }
        if (!answerer) return win32::RealFileDialogs().OpenExistingFile(request, path);
        // Unlocked: the answerer may act on the world while the dialog is open.
        const std::optional<std::string> chosen =
            answerer({request.owner, request.filterName, request.filterPattern, request.initialName});
        if (!chosen) return false;
        if (path) *path = *chosen;
        return true;
    }

private:
    World& w_;
};

}  // namespace

std::unique_ptr<FileDialogs> MakeSimFileDialogs(World& w) { return std::make_unique<SimFileDialogs>(w); }

void World::SetOpenFileAnswerer(OpenFileAnswerer answerer) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->openFileAnswerer = std::move(answerer);
}

FileDialogs& World::FilesPort() { return *state_->fileDialogs; }

}  // namespace platform::sim
