#include "ui/components/logic/BannerCore.h"

#include <algorithm>

#include "config/Error.h"

namespace talvek::ui {

const char* const kBannerEnableError = "Assign a bitmap or text to banner before enabling";
const char* const kBannerNoticeCaption = "*** TBanner component ***   Version 1.0.5";
const char* const kBannerNoticeText =
    "TBanner - Laufschrift für Talvek 95.\n\r"
    "Bewegt ein Bild, eine Textzeile oder eine Liste von Zeilen in vier Richtungen, "
    "mit oder ohne Lücke.";

namespace banner {

int headPosition(TScrollDirection d, int extent, int strip, std::uint16_t pos) {
    switch (d) {
    case TScrollDirection::sdRightToLeft:
    case TScrollDirection::sdBottomToTop:
        return extent - pos;
    case TScrollDirection::sdLeftToRight:
    case TScrollDirection::sdTopToBottom:
        return pos - strip;
    }
    return 0;
}

std::uint16_t wrapNoGap(std::uint16_t pos, int strip) {
    // Same result as subtracting the extent while it is below P, without a loop that a zero
    // extent would never leave.
    if (strip <= 0) return 0;
    if (pos <= strip) return pos;
    return static_cast<std::uint16_t>((pos - 1) % strip + 1);
}

std::uint16_t rebase(TScrollDirection from, TScrollDirection to, int stripW, int stripH, int w,
                     int h, std::uint16_t pos) {
    if (from == to) return pos;
    if (isHorizontal(from) && isHorizontal(to)) return static_cast<std::uint16_t>(stripW + w - pos);
    if (!isHorizontal(from) && !isHorizontal(to))
        return static_cast<std::uint16_t>(stripH + h - pos);
    return static_cast<std::uint16_t>(isHorizontal(to) ? stripW : stripH);
}

} // namespace banner

BannerCore::BannerCore(TComponent* owner) : TComponent(owner) {}

BannerCore::~BannerCore() = default;

void BannerCore::Fire(const TNotifyEvent& event) {
    if (event) event(*this);
}

bool BannerCore::StripUsable() const {
    return strip_ && strip_->width() != 0 && strip_->height() != 0;
}

std::unique_ptr<Canvas> BannerCore::NewStrip() {
    std::unique_ptr<Canvas> strip = CreateBitmap();
    strip->setSize(0, 0);
    strip->setFont(font_);
    return strip;
}

void BannerCore::SetEnabled(bool value) {
    if (Loading()) return;
    if (value && !StripUsable()) {
        // A rebuild switches scrolling off and on again; when that inner switch-on still
        // finds no usable strip (lines that are all empty, a text without width), rendering
        // once more would change nothing and never end.
        if (rebuilding_ || !FromText()) throw AppError(kBannerEnableError);
        rebuilding_ = true;
        try {
            if (!lines_.empty())
                BuildLinesBitmap();
            else
                SetScrollText(std::string(scrollText_));
        } catch (...) {
            rebuilding_ = false;
            throw;
        }
        rebuilding_ = false;
        if (!StripUsable()) throw AppError(kBannerEnableError);
    }
    if (!value && FromText()) strip_.reset();
    UpdateTimer(value && interval_ != 0, interval_);
    enabled_ = value;
    Fire(value ? OnEnable : OnDisable);
}

void BannerCore::SetScrollText(const std::string& text) {
    SetEnabled(false);
    lines_.clear();
    strip_.reset();
    std::unique_ptr<Canvas> strip = NewStrip();
    strip->setSize(strip->textWidth(text), strip->textHeight(text));
    strip->fillRect(0, 0, strip->width(), strip->height(), color_);
    strip->textOut(0, 0, text, color_);
    strip_ = std::move(strip);
    scrollText_ = text;
    if (autoEnable_) SetEnabled(true);
}

void BannerCore::SetLines(const std::vector<std::string>& lines) {
    lines_ = lines;
    BuildLinesBitmap();
}

void BannerCore::SetLinesAlign(TAlignment value) {
    if (value == linesAlign_) return;
    linesAlign_ = value;
    if (!lines_.empty()) BuildLinesBitmap();
}

void BannerCore::BuildLinesBitmap() {
    const bool wasOn = enabled_;
    SetEnabled(false);
    scrollText_.clear();
    strip_.reset();
    std::unique_ptr<Canvas> strip = NewStrip();
    int widest = 0;
    for (const std::string& line : lines_)
        widest = std::max(widest, strip->textWidth(line));
    const int lineHeight = strip->textHeight("Xj");
    strip->setSize(widest, static_cast<int>(lines_.size()) * lineHeight);
    strip->fillRect(0, 0, widest, strip->height(), color_);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const int w = strip->textWidth(lines_[i]);
        int x = 0;
        if (linesAlign_ == TAlignment::taRightJustify)
            x = widest - w;
        else if (linesAlign_ == TAlignment::taCenter)
            x = (widest - w) / 2;
        strip->textOut(x, static_cast<int>(i) * lineHeight, lines_[i], color_);
    }
    strip_ = std::move(strip);
    if (wasOn || autoEnable_) SetEnabled(true);
}

void BannerCore::SetBitmap(const Canvas& picture) {
    if (!strip_) strip_ = NewStrip();
    strip_->setSize(picture.width(), picture.height());
    strip_->draw(0, 0, picture);
    scrollText_.clear();
    lines_.clear();
    if (autoEnable_ && strip_->width() != 0) SetEnabled(true);
}

void BannerCore::SetScrollDirection(TScrollDirection value) {
    if (value == direction_) return;
    pos_ = banner::rebase(direction_, value, StripWidth(), StripHeight(), width_, height_, pos_);
    direction_ = value;
}

void BannerCore::SetScrollInterval(std::uint16_t value) {
    UpdateTimer(enabled_ && value != 0, value);
    interval_ = value;
}

void BannerCore::SetWidth(int value) {
    width_ = std::max(0, value);
    BoundsChanged();
}

void BannerCore::SetHeight(int value) {
    height_ = std::max(0, value);
    BoundsChanged();
}

void BannerCore::ScrollStep() {
    if (!enabled_) return; // a tick that was already queued when scrolling stopped
    pos_ = static_cast<std::uint16_t>(pos_ + pixels_);
    const bool horizontal = isHorizontal(direction_);
    const int strip = horizontal ? StripWidth() : StripHeight();
    if (noGap_) {
        pos_ = banner::wrapNoGap(pos_, strip);
    } else if (strip + (horizontal ? width_ : height_) < pos_) {
        if (onlyOnce_)
            SetEnabled(false);
        else
            pos_ = 0;
    }
    RepaintNow();
    Fire(OnScroll);
}

void BannerCore::Paint(Canvas& screen) {
    if (noGap_)
        PaintNoGap(screen);
    else
        PaintWithGap(screen);
}

void BannerCore::PaintWithGap(Canvas& screen) {
    if (!strip_ || !visible_) {
        screen.fillRect(0, 0, width_, height_, color_);
        return;
    }
    std::unique_ptr<Canvas> frame = CreateBitmap();
    ComposeFrame(*frame, false);
    screen.draw(0, 0, *frame);
}

void BannerCore::PaintNoGap(Canvas& screen) {
    if (!strip_ || !visible_) {
        screen.fillRect(0, 0, width_, height_, color_);
        return;
    }
    std::unique_ptr<Canvas> frame = CreateBitmap();
    ComposeFrame(*frame, true);
    screen.draw(0, 0, *frame);
}

void BannerCore::ComposeFrame(Canvas& frame, bool repeat) {
    frame.setSize(width_, height_);
    frame.fillRect(0, 0, width_, height_, color_);
    const bool horizontal = isHorizontal(direction_);
    const int extent = horizontal ? width_ : height_;
    const int strip = horizontal ? StripWidth() : StripHeight();
    auto copyAt = [&](int p) {
        if (horizontal)
            frame.draw(p, 0, *strip_);
        else
            frame.draw(0, p, *strip_);
    };
    if (!repeat) {
        copyAt(banner::headPosition(direction_, extent, strip, pos_));
        return;
    }
    if (strip <= 0) return; // nothing to repeat: the background alone
    // P may lie beyond the strip until the next step reduces it; reduce it here the same way.
    int p = banner::headPosition(direction_, extent, strip, banner::wrapNoGap(pos_, strip));
    copyAt(p);
    const bool towardsStart = direction_ == TScrollDirection::sdRightToLeft ||
                              direction_ == TScrollDirection::sdBottomToTop;
    if (towardsStart) {
        while (p > 0)
            copyAt(p -= strip);
    } else {
        while (p + strip < extent)
            copyAt(p += strip);
    }
}

void BannerCore::DblClick() {
    Fire(OnDblClick);
    if (ShiftAndCtrlDown()) ShowNotice(kBannerNoticeCaption, kBannerNoticeText);
}

void BannerCore::Loaded() {
    TComponent::Loaded();
    if (!scrollText_.empty()) SetScrollText(std::string(scrollText_));
    if (!lines_.empty()) BuildLinesBitmap();
    if (autoEnable_ && strip_ && strip_->height() > 0) SetEnabled(true);
}

} // namespace talvek::ui
