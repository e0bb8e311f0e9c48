// The handler of an event of a control or a panel: a member function of the window that
// holds it, named after the control and the event, as in
// `ok_.onClick.connect(this, &TSetupForm::okClick)`. A plain member pointer: no code per
// handler, as a std::function of a lambda would make.
#pragma once
#include "ui/toolkit/Window.h"

namespace talvek::ui {

template <typename Signature> class Handler;
template <typename Result, typename... Args> class Handler<Result(Args...)> {
  public:
    template <typename W> void connect(W* window, Result (W::*handler)(Args...)) {
        window_ = window;
        handler_ = static_cast<Result (Window::*)(Args...)>(handler);
    }
    explicit operator bool() const { return window_ != nullptr; }
    Result operator()(Args... args) const { return (window_->*handler_)(args...); }

  private:
    Window* window_ = nullptr;
    Result (Window::*handler_)(Args...) = nullptr;
};

} // namespace talvek::ui
