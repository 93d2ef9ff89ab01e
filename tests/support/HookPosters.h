#pragma once

#include "core/hooks/HookState.h"

#include <vector>

namespace qx71::test {

// Drops what the hooks post to the window.
struct NoPoster final : IHookPoster {
    void Post(const HookPost&) override {}
};

// Keeps what the hooks post to the window, in order.
struct RecordingPoster final : IHookPoster {
    std::vector<HookPost> posts;
    void Post(const HookPost& p) override { posts.push_back(p); }
};

} // namespace qx71::test
