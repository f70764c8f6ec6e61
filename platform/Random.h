// The runtime's pseudo-random generator: a 32-bit linear congruential state
// that starts at 1 in every run and is never seeded from the clock.
#pragma once

#include <cstdint>

namespace vnl {

class TRandom {
public:
    // A value from 0 to 32767.
    int Next() {
        m_state = m_state * 22695477u + 1u;
        return static_cast<int>((m_state >> 16) & 0x7FFFu);
    }

private:
    std::uint32_t m_state = 1;
};

}  // namespace vnl
