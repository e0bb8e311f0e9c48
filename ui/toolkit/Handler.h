// The handler of an event of a control, a panel or a component: a member function of the
// window that holds it, named after the control and the event, as in
// `ok_.onClick.connect(this, &TSetupForm::okClick)`. A plain member pointer: no code per
// handler, as a std::function of a lambda would make. Portable, so that the components' logic
// fires its events through it as the windows do.
#pragma once

namespace talvek::ui {

// What handlers are member functions of: every window of ours (and a unit test's recorder).
class Receiver {
  protected:
    Receiver() = default;
    ~Receiver() = default;
};

template <typename Signature> class Handler;
template <typename Result, typename... Args> class Handler<Result(Args...)> {
  public:
    template <typename R> void connect(R* receiver, Result (R::*handler)(Args...)) {
        receiver_ = receiver;
        handler_ = static_cast<Result (Receiver::*)(Args...)>(handler);
    }
    explicit operator bool() const { return receiver_ != nullptr; }
    Result operator()(Args... args) const { return (receiver_->*handler_)(args...); }

  private:
    Receiver* receiver_ = nullptr;
    Result (Receiver::*handler_)(Args...) = nullptr;
};

} // namespace talvek::ui
