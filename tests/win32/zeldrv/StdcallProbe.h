// Calls a function with 32-bit argument words and reports how far the stack
// pointer moved across the call: 0 when the callee removed its arguments
// (__stdcall), -4 * count when it left them (__cdecl).
#pragma once

#include <cstdint>
#include <type_traits>

extern "C" uint32_t stdcall_probe_call(void (*fn)(), const uint32_t* words, int32_t count, int32_t* espShift);

namespace probe {

template <typename T>
struct Same {
    using type = T;
};

template <typename T>
uint32_t word(T v) {
    if constexpr (std::is_pointer_v<T>) {
        return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(v));
    } else {
        return static_cast<uint32_t>(v);
    }
}

// Calls fn(args...) through the probe; espShift receives the stack movement.
template <typename R, typename... Args>
R call(int32_t& espShift, R(__stdcall* fn)(Args...), typename Same<Args>::type... args) {
    const uint32_t words[] = {word(args)..., 0};
    const uint32_t raw = stdcall_probe_call(reinterpret_cast<void (*)()>(fn), words,
                                            static_cast<int32_t>(sizeof...(Args)), &espShift);
    return static_cast<R>(raw);  // an int16_t result is the low half (AX)
}

}  // namespace probe
