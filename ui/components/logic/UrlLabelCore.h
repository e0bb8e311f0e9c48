// The link label without its window: the target a click opens, the colour shown while the
// left button is down, the order of click, colour restore and mouse-up, and "Copy". Its events
// name it as their sender.
#pragma once
#include <string>

#include "platform/Shell.h"
#include "ui/components/logic/Properties.h"
#include "ui/toolkit/Handler.h"

namespace talvek::ui {

extern const char* const kUrlLabelCopyCaption; // "Copy"

class UrlLabelCore {
  public:
    // The shell may be set later (SetShell); without one a click opens nothing.
    explicit UrlLabelCore(Shell* shell = nullptr);
    virtual ~UrlLabelCore() = default;
    UrlLabelCore(const UrlLabelCore&) = delete;
    UrlLabelCore& operator=(const UrlLabelCore&) = delete;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    const std::string& URL() const { return url_; }
    void SetURL(const std::string& value) { url_ = value; }
    TColor ActiveColor() const { return activeColor_; }
    void SetActiveColor(TColor value) { activeColor_ = value; }
    // Font: blue and underlined from construction; the form may change it.
    const TFontSpec& Font() const { return font_; }
    void SetFont(const TFontSpec& value);
    TColor FontColor() const { return font_.color; }
    void SetFontColor(TColor value);
    // Background colour behind the caption.
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    bool Pressed() const { return pressed_; }
    void SetShell(Shell* shell) { shell_ = shell; }

    // The text handed to the shell for this URL and caption; empty when a click opens nothing.
    static std::string ChooseTarget(const std::string& url, const std::string& caption);

    // Input as the window delivers it. `inside`: the release happened over the label.
    void MouseDown(TMouseButton button, int x, int y);
    void MouseUp(TMouseButton button, int x, int y, bool inside);
    void MouseMove(int x, int y);
    // The press ended without a release (capture taken away): restore the colour only.
    void CancelPress();
    // The completed left click: OnClick, then the target goes to the shell.
    void Click();
    // The context menu's only item: the caption goes to the clipboard.
    void CopyClick();

    // The mouse's position is in the label's own coordinates.
    using NotifyEvent = Handler<void(UrlLabelCore& sender)>;
    using MouseEvent = Handler<void(UrlLabelCore& sender, TMouseButton button, int x, int y)>;
    using MouseMoveEvent = Handler<void(UrlLabelCore& sender, int x, int y)>;
    NotifyEvent OnClick;
    MouseEvent OnMouseDown, OnMouseUp;
    MouseMoveEvent OnMouseMove;

  protected:
    // Called after anything that changes the look (caption, font, colours).
    virtual void Changed() {}

  private:
    Shell* shell_;
    std::string caption_, url_;
    TColor activeColor_ = clPurple;
    TColor restColor_ = clBlue;
    TColor color_ = clBtnFace;
    TFontSpec font_;
    bool pressed_ = false;
};

} // namespace talvek::ui
