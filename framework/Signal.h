// A signal: what happened, told to whoever connected. Connecting returns a scoped connection
// that disconnects when it goes; a slot may disconnect itself or others, or connect new ones,
// while the signal is being emitted. Single-threaded, as the windows that use it.
#pragma once

#include <algorithm>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace sv
{

class ScopedConnection
{
public:
    ScopedConnection() = default;
    explicit ScopedConnection(std::function<void()> disconnect) : m_disconnect(std::move(disconnect)) {}
    ScopedConnection(ScopedConnection&& other) noexcept : m_disconnect(std::exchange(other.m_disconnect, {})) {}
    ScopedConnection& operator=(ScopedConnection&& other) noexcept
    {
        if (this != &other)
        {
            Disconnect();
            m_disconnect = std::exchange(other.m_disconnect, {});
        }
        return *this;
    }
    ScopedConnection(const ScopedConnection&) = delete;
    ScopedConnection& operator=(const ScopedConnection&) = delete;
    ~ScopedConnection() { Disconnect(); }

    void Disconnect()
    {
        if (auto disconnect = std::exchange(m_disconnect, {})) disconnect();
    }
    bool Connected() const { return static_cast<bool>(m_disconnect); }

private:
    std::function<void()> m_disconnect;
};

template <typename... Args>
class Signal
{
public:
    Signal() = default;
    Signal(const Signal&) = delete;
    Signal& operator=(const Signal&) = delete;

    [[nodiscard]] ScopedConnection Connect(std::function<void(Args...)> slot)
    {
        auto entry = std::make_shared<Slot>(Slot{std::move(slot), true});
        m_slots->push_back(entry);
        std::weak_ptr<Slots> slots = m_slots;
        std::weak_ptr<Slot> weakEntry = entry;
        return ScopedConnection(
            [slots, weakEntry]
            {
                const auto entry = weakEntry.lock();
                if (!entry) return;
                entry->connected = false;
                if (const auto list = slots.lock()) std::erase(*list, entry);
            });
    }

    // Calls the slots connected when the emission starts and still connected when their turn comes.
    void Emit(Args... args) const
    {
        const Slots snapshot = *m_slots;
        for (const auto& entry : snapshot)
        {
            if (entry->connected) entry->call(args...);
        }
    }

    size_t SlotCount() const { return m_slots->size(); }

private:
    struct Slot
    {
        std::function<void(Args...)> call;
        bool connected = true;
    };
    using Slots = std::vector<std::shared_ptr<Slot>>;
    std::shared_ptr<Slots> m_slots = std::make_shared<Slots>();
};

} // namespace sv
