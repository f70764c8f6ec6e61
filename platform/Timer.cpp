#include "platform/Timer.h"

namespace vnl {

TTimer::TTimer(ITimerHost& host, bool enabled, std::uint32_t intervalMs)
    : m_host(host), m_enabled(enabled), m_interval(intervalMs) {}

TTimer::~TTimer() {
    if (m_id != 0) m_host.Stop(m_id);
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled == m_enabled) return;
    m_enabled = enabled;
    Update();
}

void TTimer::SetInterval(std::uint32_t intervalMs) {
    if (intervalMs == m_interval) return;
    m_interval = intervalMs;
    Update();
}

void TTimer::SetOnTimer(std::function<void()> onTimer) {
    m_onTimer = std::move(onTimer);
    Update();
}

void TTimer::Update() {
    if (m_id != 0) {
        m_host.Stop(m_id);
        m_id = 0;
    }
    if (m_enabled && m_interval != 0 && m_onTimer) m_id = m_host.Start(m_interval, [this] { Tick(); });
}

void TTimer::Tick() {
    if (m_onTimer) m_onTimer();
}

}  // namespace vnl
