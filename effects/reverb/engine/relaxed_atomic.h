// A setting or meter value that one thread writes whole and another reads,
// without a lock. Relaxed ordering is a plain load or store on x86 and keeps
// the engine free of data races; nothing here orders one value against another.
#pragma once

#include <atomic>

template <typename T>
class RelaxedAtomic {
public:
    static_assert(sizeof(T) <= 4, "values that cross threads are 32 bits or smaller");
    static_assert(std::atomic<T>::is_always_lock_free, "values that cross threads must be lock-free");

    constexpr RelaxedAtomic(T initial = T{}) noexcept : value(initial) {}
    RelaxedAtomic(const RelaxedAtomic&) = delete;
    RelaxedAtomic& operator=(const RelaxedAtomic&) = delete;

    T get() const noexcept { return value.load(std::memory_order_relaxed); }
    void set(T next) noexcept { value.store(next, std::memory_order_relaxed); }

    operator T() const noexcept { return get(); }
    RelaxedAtomic& operator=(T next) noexcept
    {
        set(next);
        return *this;
    }

private:
    std::atomic<T> value;
};
