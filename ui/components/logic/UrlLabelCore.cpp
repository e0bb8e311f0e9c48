#include "ui/components/logic/UrlLabelCore.h"

namespace talvek::ui {

const char* const kUrlLabelCopyCaption = "Copy";

namespace {

// True when the text holds nothing but characters of codes 0 to 32.
bool blank(const std::string& text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) > 32) return false;
    return true;
}

} // namespace

UrlLabelCore::UrlLabelCore(Shell* shell) : shell_(shell) {
    font_.color = clBlue;
    font_.underline = true;
    restColor_ = font_.color;
}

void UrlLabelCore::SetCaption(const std::string& value) {
    caption_ = value;
    Changed();
}

void UrlLabelCore::SetFont(const TFontSpec& value) {
    font_ = value;
    Changed();
}

void UrlLabelCore::SetFontColor(TColor value) {
    font_.color = value;
    Changed();
}

void UrlLabelCore::SetColor(TColor value) {
    color_ = value;
    Changed();
}

std::string UrlLabelCore::ChooseTarget(const std::string& url, const std::string& caption) {
    const std::string& target = blank(url) ? caption : url;
    return blank(target) ? std::string() : target;
}

void UrlLabelCore::MouseDown(TMouseButton button, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        restColor_ = font_.color;
        pressed_ = true;
        SetFontColor(activeColor_);
    }
    if (OnMouseDown) OnMouseDown(*this, button, x, y);
}

void UrlLabelCore::MouseUp(TMouseButton button, int x, int y, bool inside) {
    if (button == TMouseButton::mbLeft) {
        // The click runs while the pressed colour is still shown.
        if (pressed_ && inside) Click();
        CancelPress();
    }
    if (OnMouseUp) OnMouseUp(*this, button, x, y);
}

void UrlLabelCore::MouseMove(int x, int y) {
    if (OnMouseMove) OnMouseMove(*this, x, y);
}

void UrlLabelCore::CancelPress() {
    if (!pressed_) return;
    pressed_ = false;
    SetFontColor(restColor_);
}

void UrlLabelCore::Click() {
    if (OnClick) OnClick(*this);
    const std::string target = ChooseTarget(url_, caption_);
    if (!target.empty() && shell_) shell_->open(target);
}

void UrlLabelCore::CopyClick() {
    if (shell_) shell_->copyText(caption_);
}

} // namespace talvek::ui
