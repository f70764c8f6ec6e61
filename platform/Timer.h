// The window timer with the Enabled/Interval behaviour the tools rely on.
#pragma once

#include <cstdint>
#include <functional>

namespace vnl {

// Starts and stops the system's timers; each start is a new countdown.
class ITimerHost {
public:
    using TimerId = std::uintptr_t;
    virtual ~ITimerHost() = default;
    virtual TimerId Start(std::uint32_t intervalMs, std::function<void()> onTick) = 0;
    virtual void Stop(TimerId id) = 0;
};

// Setting Enabled or Interval to the value it has already changes nothing
// and the countdown goes on; a new value restarts the countdown with the
// full interval. An interval of 0, or no handler, means no ticks at all.
class TTimer {
public:
    TTimer(ITimerHost& host, bool enabled, std::uint32_t intervalMs);
    ~TTimer();
    TTimer(const TTimer&) = delete;
    TTimer& operator=(const TTimer&) = delete;

    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    std::uint32_t Interval() const { return m_interval; }
    void SetInterval(std::uint32_t intervalMs);
    void SetOnTimer(std::function<void()> onTimer);
    // True while a system timer counts down for this one.
    bool Running() const { return m_id != 0; }

private:
    void Update();
    void Tick();

    ITimerHost& m_host;
    bool m_enabled;
    std::uint32_t m_interval;
    std::function<void()> m_onTimer;
    ITimerHost::TimerId m_id = 0;
};

}  // namespace vnl
