// A ModalWindow over a window, answered from the keyboard as a user does: Enter presses the
// default button, Tab moves to the next one, Esc cancels. The owner is disabled while it asks
// and enabled and active again once it has answered.
#include <gtest/gtest.h>

#include <vector>

#include "ui/toolkit/ModalWindow.h"
#include "ui/toolkit/WindowHelpers.h"
#include "win32/ComponentTestHost.h"

using namespace talvek::ui;
using talvek::AppError;

namespace {

class Question : public ModalWindow {
  public:
    enum Answer { kYes = 10, kNo = 11 };
    enum ControlId : short { kJa = 100, kNein };
    Question() : ModalWindow("TTestQuestion", "Frage", 200, 60) {}

  private:
    static const ControlRow<Question> kLayout[];
    AppError createContent() override;
    AppError yesClick() { return answer(kYes); }
    AppError noClick() { return answer(kNo); }
    AppError answer(int which) {
        end(which);
        return AppError();
    }
    Font font_;
    Button yes_, no_;
};

const ControlRow<Question> Question::kLayout[] = {
    {{"yes", "BUTTON", "&Ja", kJa, 10, 20, 80, 25, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0,
      0},
     &member<&Question::yes_>},
    {{"no", "BUTTON", "&Nein", kNein, 110, 20, 80, 25, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0,
      0, 0},
     &member<&Question::no_>},
};

AppError Question::createContent() {
    font_ = makeFont("MS Sans Serif", 11);
    TALVEK_TRY(createControls(kLayout, &font_));
    yes_.onClick.connect(this, &Question::yesClick);
    no_.onClick.connect(this, &Question::noClick);
    setDefaultButton(yes_);
    return AppError();
}

// Presses the keys, one per timer tick, on the control that has the keyboard. A thread's
// timer message comes only when its queue is empty, so each key has been handled before the
// next one comes. A window that never ends is closed after a while, so the test fails and
// does not hang.
struct Keyboard {
    HWND owner = nullptr;
    std::vector<WPARAM> keys;
    bool pressed = false, ownerDisabled = false;
    int idleTicks = 0;
} keyboard;

void CALLBACK pressNextKey(HWND, UINT, UINT_PTR, DWORD) {
    if (keyboard.keys.empty()) {
        if (++keyboard.idleTicks == 250) PostMessageA(GetActiveWindow(), WM_CLOSE, 0, 0);
        return;
    }
    if (!keyboard.pressed) keyboard.ownerDisabled = !IsWindowEnabled(keyboard.owner);
    keyboard.pressed = true;
    PostMessageA(GetFocus(), WM_KEYDOWN, keyboard.keys.front(), 0);
    keyboard.keys.erase(keyboard.keys.begin());
}

TEST(ModalWindow, AnswersFromTheKeyboardAndGivesTheOwnerBack) {
    const HWND owner = componenttest::sharedHost();
    const struct {
        std::vector<WPARAM> keys;
        int answer;
    } cases[] = {
        {{VK_RETURN}, Question::kYes},
        {{VK_TAB, VK_RETURN}, Question::kNo},
        {{VK_TAB, VK_ESCAPE}, ModalWindow::kCancelled},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys.size());
        SetForegroundWindow(owner);
        keyboard = Keyboard{owner, c.keys};
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, &pressNextKey);
        Question question;
        int answer = 0;
        EXPECT_FALSE(question.showModal(owner, answer));
        KillTimer(nullptr, timer);
        EXPECT_EQ(answer, c.answer);
        EXPECT_TRUE(keyboard.ownerDisabled);
        EXPECT_TRUE(IsWindowEnabled(owner));
        EXPECT_EQ(GetActiveWindow(), owner);
        EXPECT_FALSE(IsWindow(question.hwnd()));
    }
}

} // namespace
