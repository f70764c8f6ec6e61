#include "platform/Clipboard.h"

namespace vnl {

bool OpenWithRetry(const std::function<bool()>& tryOpen, const std::function<void(unsigned)>& pause,
                   RetryPolicy policy) {
    for (int attempt = 1; attempt <= policy.attempts; ++attempt) {
        if (tryOpen()) return true;
        if (attempt < policy.attempts) pause(policy.pauseMs);
    }
    return false;
}

}  // namespace vnl
