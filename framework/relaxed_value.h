// A value that one thread writes whole and another reads, with no lock.
// Relaxed ordering compiles to a plain load or store on x86, and keeps the
// program free of data races in the language's sense (ThreadSanitizer agrees).
#pragma once

#include <atomic>

template <typename T>
class RelaxedValue {
public:
    static_assert(sizeof(T) <= 4, "values that cross threads are 32 bits or smaller");
    static_assert(std::atomic<T>::is_always_lock_free, "values that cross threads must be lock-free");

    constexpr RelaxedValue(T initial = T{}) noexcept : value(initial) {}
    RelaxedValue(const RelaxedValue& other) noexcept : value(other.get()) {}
    RelaxedValue& operator=(const RelaxedValue& other) noexcept
    {
        set(other.get());
        return *this;
    }

    T get() const noexcept { return value.load(std::memory_order_relaxed); }
    void set(T next) noexcept { value.store(next, std::memory_order_relaxed); }

    operator T() const noexcept { return get(); }
    RelaxedValue& operator=(T next) noexcept
    {
        set(next);
        return *this;
    }

private:
    std::atomic<T> value;
};
