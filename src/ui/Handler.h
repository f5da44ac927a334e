// Handler: an event handler of a control, a form or a menu. It holds its callable in place, as event handlers are
// small: a lambda that captures the window and perhaps a number. Unlike std::function it needs no code of its own
// to copy, destroy or allocate what it holds, only the one function that calls it (std::function's machinery for
// every event of every window would take about 7 KB of the program file). It takes callables that are trivially
// copyable and at most three pointers in size.
#pragma once
#include <cstddef>
#include <new>
#include <type_traits>
#include <utility>

namespace plivant::ui {

template <typename Signature>
class Handler;

template <typename R, typename... Args>
class Handler<R(Args...)> {
public:
    Handler() = default;
    Handler(std::nullptr_t) {}
    template <typename F>
    requires(!std::is_same_v<std::decay_t<F>, Handler> && std::is_invocable_r_v<R, const F&, Args...>) Handler(F f)
        : call_(&Call<F>) {
        static_assert(sizeof(F) <= sizeof(storage_) && alignof(F) <= alignof(void*),
                      "an event handler holds at most three pointers");
        static_assert(std::is_trivially_copyable_v<F>, "an event handler holds only trivially copyable callables");
        ::new (static_cast<void*>(storage_)) F(f);
    }

    explicit operator bool() const { return call_ != nullptr; }
    R operator()(Args... args) const { return call_(storage_, std::forward<Args>(args)...); }

private:
    template <typename F>
    static R Call(const unsigned char* storage, Args... args) {
        return (*std::launder(reinterpret_cast<const F*>(storage)))(std::forward<Args>(args)...);
    }

    alignas(void*) unsigned char storage_[3 * sizeof(void*)] = {};
    R (*call_)(const unsigned char*, Args...) = nullptr;
};

}  // namespace plivant::ui
