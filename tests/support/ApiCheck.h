// ApiCheck.h - compile-time checks of exported declarations, shared by the
// interface tests: exact types of functions, members and fields, overloads,
// public bases and field order.
#pragma once

#include <cstddef>
#include <type_traits>

// The expression (a function or member address, or a field) has exactly the given type.
#define CHECK_TYPE(expr, ...) static_assert(std::is_same_v<decltype(expr), __VA_ARGS__>, #expr)
// An overload of exactly this type exists (the cast compiles only for an exact match).
#define CHECK_OVERLOAD(expr, ...)                                                                                      \
    static_assert(std::is_same_v<decltype(static_cast<__VA_ARGS__>(expr)), __VA_ARGS__>, #expr)
// Derived publicly from Base.
#define CHECK_BASE(Base, Derived)                                                                                      \
    static_assert(std::is_base_of_v<Base, Derived> && std::is_convertible_v<Derived*, Base*>, #Derived " is a " #Base)

// True when the offsets start at 0 and rise: the fields lie in this order.
template <typename... Offsets>
constexpr bool FieldsInOrder(size_t first, Offsets... rest) {
    size_t previous = first;
    bool rising = first == 0;
    ((rising = rising && previous < rest, previous = rest), ...);
    return rising;
}
