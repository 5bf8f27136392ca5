// The simulated machine's secure random source: the system's, so that two runs never share a
// PIN, unless a test hands the world a deterministic one.
#include "platform/sim/world_state.h"
#include "platform/win32/real.h"

namespace platform::sim {
namespace {

class SimSecureRandom final : public SecureRandom {
public:
    explicit SimSecureRandom(World& w) : w_(w) {}

    bool Fill(void* out, std::size_t n) override {
        std::function<bool(void*, std::size_t)> fill;
        {
            std::lock_guard<std::mutex> lock(w_.Internal().mutex);
            fill = w_.Internal().randomSource;
        }
        return fill ? fill(out, n) : win32::RealRandom().Fill(out, n);
    }

private:
    World& w_;
};

}  // namespace

SecureRandom& World::Random() {
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (!state_->random) state_->random = std::make_unique<SimSecureRandom>(*this);
    return *state_->random;
}

void World::SetRandomSource(std::function<bool(void*, std::size_t)> fill) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->randomSource = std::move(fill);
}

}  // namespace platform::sim
