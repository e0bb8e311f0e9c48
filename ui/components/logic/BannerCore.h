// The scrolling banner without its window: plain properties, one function that lays out what
// they ask for (Layout: renders the strip from a text or lines, switches scrolling and its
// timer) and one that paints a frame (Paint). A setter stores its value, marks what it makes
// out of date and has the layout bring that up to date; no setter calls another. TBanner
// supplies the platform (bitmaps, timer, repaint, keyboard state, notice box) through the hooks
// below. An operation that fails (no content to switch on, no bitmap, font or timer) stops
// there and returns its error. Its events name it as their sender.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "config/Error.h"
#include "ui/components/logic/Canvas.h"
#include "ui/toolkit/Handler.h"

namespace talvek::ui {

enum class TScrollDirection { sdRightToLeft, sdLeftToRight, sdTopToBottom, sdBottomToTop };

inline bool isHorizontal(TScrollDirection d) {
    return d == TScrollDirection::sdRightToLeft || d == TScrollDirection::sdLeftToRight;
}

extern const char* const kBannerEnableError; // "Assign a bitmap or text to banner before enabling"
extern const char* const kBannerNoticeCaption; // caption of the Shift+Ctrl double-click notice
extern const char* const kBannerNoticeText;

class BannerCore {
  public:
    BannerCore();
    virtual ~BannerCore();
    BannerCore(const BannerCore&) = delete;
    BannerCore& operator=(const BannerCore&) = delete;

    bool AutoEnable() const { return autoEnable_; }
    void SetAutoEnable(bool value) { autoEnable_ = value; }

    // The strip; absent after a switch-off of a strip made from text.
    bool HasStrip() const { return strip_ != nullptr; }
    int StripWidth() const { return strip_ ? strip_->width() : 0; }
    int StripHeight() const { return strip_ ? strip_->height() : 0; }
    const Canvas* Strip() const { return strip_.get(); }
    // Copies the picture into the strip; the text sources are emptied.
    AppError SetBitmap(const Canvas& picture);

    bool Enabled() const { return enabled_; }
    AppError SetEnabled(bool value);

    const std::vector<std::string>& Lines() const { return lines_; }
    AppError SetLines(const std::vector<std::string>& lines);
    TAlignment LinesAlign() const { return linesAlign_; }
    AppError SetLinesAlign(TAlignment value);

    bool NoGap() const { return noGap_; }
    void SetNoGap(bool value) { noGap_ = value; }
    bool OnlyOnce() const { return onlyOnce_; }
    void SetOnlyOnce(bool value) { onlyOnce_ = value; }

    TScrollDirection ScrollDirection() const { return direction_; }
    void SetScrollDirection(TScrollDirection value);
    std::uint16_t ScrollInterval() const { return interval_; }
    AppError SetScrollInterval(std::uint16_t value);
    std::uint16_t ScrollPixels() const { return pixels_; }
    void SetScrollPixels(std::uint16_t value) { pixels_ = value; }
    // How far the strip has advanced; a write only stores (the next step continues from it).
    std::uint16_t ScrollPos() const { return pos_; }
    void SetScrollPos(std::uint16_t value) { pos_ = value; }

    const std::string& ScrollText() const { return scrollText_; }
    AppError SetScrollText(const std::string& text);

    // Inherited control properties.
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetWidth(int value);
    void SetHeight(int value);
    // Colour of the background and of strips rendered from text from now on.
    TColor Color() const { return color_; }
    void SetColor(TColor value) { color_ = value; }
    const TFontSpec& Font() const { return font_; }
    void SetFont(const TFontSpec& value) { font_ = value; }
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool value) { visible_ = value; }

    // The timer handler: one step along the scroll axis, repaint, OnScroll.
    AppError ScrollStep();
    // Composes the frame off screen and copies it onto `screen` once: one copy of the strip,
    // or with NoGap as many as fill the area.
    AppError Paint(Canvas& screen);
    // Double-click: OnDblClick, then with Shift and Ctrl held the beep and the notice box.
    void DblClick();

    // The form's load: apply() writes the stored properties while the banner only stores
    // them (a write of Enabled does nothing), then the end of loading (Loaded) acts on them as
    // they stand. When apply() fails, loading ends without acting on half-applied properties.
    template <typename Apply> AppError Load(Apply&& apply) {
        loading_ = true;
        if (AppError error = apply()) {
            loading_ = false;
            return error;
        }
        return Loaded();
    }
    bool Loading() const { return loading_; }

    // The mouse's position is in the banner's own coordinates.
    using NotifyEvent = Handler<void(BannerCore& sender)>;
    using MouseEvent = Handler<void(BannerCore& sender, TMouseButton button, int x, int y)>;
    using MouseMoveEvent = Handler<void(BannerCore& sender, int x, int y)>;
    NotifyEvent OnScroll, OnEnable, OnDisable, OnClick, OnDblClick;
    MouseEvent OnMouseDown, OnMouseUp;
    MouseMoveEvent OnMouseMove;

  protected:
    // Platform hooks.
    virtual std::unique_ptr<Canvas> CreateBitmap() = 0;
    // The timer runs when `running`; called on every change of Enabled or ScrollInterval.
    // Fails when the system has no timer left.
    virtual AppError UpdateTimer(bool running, std::uint16_t interval) = 0;
    // Repaints at once, without erasing the background first.
    virtual void RepaintNow() = 0;
    virtual bool ShiftAndCtrlDown() = 0;
    // Beeps (MB_ICONASTERISK) and shows the application's information box.
    virtual void ShowNotice(const std::string& caption, const std::string& text) = 0;
    virtual void BoundsChanged() {}

  private:
    enum class Source { None, Picture, Text, Lines };

    AppError Loaded();

    // Brings the strip, the switch and the timer in line with the properties; does nothing
    // while loading.
    AppError Layout();
    // The text or the lines changed: the strip is rendered again and, with AutoEnable or
    // while on, scrolling is switched on.
    AppError ContentChanged();
    AppError RenderStrip();
    AppError NewStrip(std::unique_ptr<Canvas>& strip);
    bool StripUsable() const;
    bool FromText() const { return source_ == Source::Text || source_ == Source::Lines; }
    void Fire(const NotifyEvent& event);
    AppError ComposeFrame(Canvas& frame);

    bool loading_ = false;
    bool autoEnable_ = true;
    Source source_ = Source::None;
    std::unique_ptr<Canvas> strip_;
    bool enabled_ = false;     // as laid out
    bool wantEnabled_ = false; // as last written
    // Out of date until the next layout: a write of Enabled (each one fires its event), the
    // strip rendered from text, the timer.
    bool enabledWritten_ = false, stripDirty_ = false, timerDirty_ = false;
    std::vector<std::string> lines_;
    TAlignment linesAlign_ = TAlignment::taCenter;
    bool noGap_ = false, onlyOnce_ = false;
    TScrollDirection direction_ = TScrollDirection::sdRightToLeft;
    std::uint16_t interval_ = 200;
    std::uint16_t pixels_ = 4;
    std::uint16_t pos_ = 0;
    std::string scrollText_;
    int width_ = 100, height_ = 100;
    TColor color_ = clWindow;
    TFontSpec font_;
    bool visible_ = true;
};

// Positions along the scroll axis; exposed for the tests and the Win32 side.
namespace banner {
// Head copy's left (horizontal) or top (vertical) edge for extent = W or H, strip = SW or SH.
int headPosition(TScrollDirection d, int extent, int strip, std::uint16_t pos);
// No-gap reduction: subtract the strip extent while it is below P; a zero extent gives 0.
std::uint16_t wrapNoGap(std::uint16_t pos, int strip);
// The re-based position for a change of direction.
std::uint16_t rebase(TScrollDirection from, TScrollDirection to, int stripW, int stripH, int w,
                     int h, std::uint16_t pos);
} // namespace banner

} // namespace talvek::ui
