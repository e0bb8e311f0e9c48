#include "ui/components/logic/BannerCore.h"

#include <algorithm>

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

AppError BannerCore::NewStrip(std::unique_ptr<Canvas>& strip) {
    std::unique_ptr<Canvas> made = CreateBitmap();
    if (AppError error = made->setSize(0, 0)) return error;
    if (AppError error = made->setFont(font_)) return error;
    strip = std::move(made);
    return AppError();
}

AppError BannerCore::SetEnabled(bool value) {
    if (Loading()) return AppError();
    if (value && !StripUsable()) {
        // A rebuild switches scrolling off and on again; when that inner switch-on still
        // finds no usable strip (lines that are all empty, a text without width), rendering
        // once more would change nothing and never end.
        if (rebuilding_ || !FromText()) return AppError(kBannerEnableError);
        rebuilding_ = true;
        AppError rebuilt =
            !lines_.empty() ? BuildLinesBitmap() : SetScrollText(std::string(scrollText_));
        rebuilding_ = false;
        if (rebuilt) return rebuilt;
        if (!StripUsable()) return AppError(kBannerEnableError);
    }
    if (!value && FromText()) strip_.reset();
    if (AppError error = UpdateTimer(value && interval_ != 0, interval_)) return error;
    enabled_ = value;
    Fire(value ? OnEnable : OnDisable);
    return AppError();
}

AppError BannerCore::SetScrollText(const std::string& text) {
    if (AppError error = SetEnabled(false)) return error;
    lines_.clear();
    strip_.reset();
    std::unique_ptr<Canvas> strip;
    if (AppError error = NewStrip(strip)) return error;
    if (AppError error = strip->setSize(strip->textWidth(text), strip->textHeight(text)))
        return error;
    strip->fillRect(0, 0, strip->width(), strip->height(), color_);
    strip->textOut(0, 0, text, color_);
    strip_ = std::move(strip);
    scrollText_ = text;
    if (autoEnable_) return SetEnabled(true);
    return AppError();
}

AppError BannerCore::SetLines(const std::vector<std::string>& lines) {
    lines_ = lines;
    return BuildLinesBitmap();
}

AppError BannerCore::SetLinesAlign(TAlignment value) {
    if (value == linesAlign_) return AppError();
    linesAlign_ = value;
    if (!lines_.empty()) return BuildLinesBitmap();
    return AppError();
}

AppError BannerCore::BuildLinesBitmap() {
    const bool wasOn = enabled_;
    if (AppError error = SetEnabled(false)) return error;
    scrollText_.clear();
    strip_.reset();
    std::unique_ptr<Canvas> strip;
    if (AppError error = NewStrip(strip)) return error;
    int widest = 0;
    for (const std::string& line : lines_)
        widest = std::max(widest, strip->textWidth(line));
    const int lineHeight = strip->textHeight("Xj");
    if (AppError error = strip->setSize(widest, static_cast<int>(lines_.size()) * lineHeight))
        return error;
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
    if (wasOn || autoEnable_) return SetEnabled(true);
    return AppError();
}

AppError BannerCore::SetBitmap(const Canvas& picture) {
    if (!strip_) {
        if (AppError error = NewStrip(strip_)) return error;
    }
    if (AppError error = strip_->setSize(picture.width(), picture.height())) return error;
    strip_->draw(0, 0, picture);
    scrollText_.clear();
    lines_.clear();
    if (autoEnable_ && strip_->width() != 0) return SetEnabled(true);
    return AppError();
}

void BannerCore::SetScrollDirection(TScrollDirection value) {
    if (value == direction_) return;
    pos_ = banner::rebase(direction_, value, StripWidth(), StripHeight(), width_, height_, pos_);
    direction_ = value;
}

AppError BannerCore::SetScrollInterval(std::uint16_t value) {
    if (AppError error = UpdateTimer(enabled_ && value != 0, value)) return error;
    interval_ = value;
    return AppError();
}

void BannerCore::SetWidth(int value) {
    width_ = std::max(0, value);
    BoundsChanged();
}

void BannerCore::SetHeight(int value) {
    height_ = std::max(0, value);
    BoundsChanged();
}

AppError BannerCore::ScrollStep() {
    if (!enabled_) return AppError(); // a tick that was already queued when scrolling stopped
    pos_ = static_cast<std::uint16_t>(pos_ + pixels_);
    const bool horizontal = isHorizontal(direction_);
    const int strip = horizontal ? StripWidth() : StripHeight();
    if (noGap_) {
        pos_ = banner::wrapNoGap(pos_, strip);
    } else if (strip + (horizontal ? width_ : height_) < pos_) {
        if (onlyOnce_) {
            if (AppError error = SetEnabled(false)) return error;
        } else {
            pos_ = 0;
        }
    }
    RepaintNow();
    Fire(OnScroll);
    return AppError();
}

AppError BannerCore::Paint(Canvas& screen) {
    return noGap_ ? PaintNoGap(screen) : PaintWithGap(screen);
}

AppError BannerCore::PaintWithGap(Canvas& screen) {
    if (!strip_ || !visible_) {
        screen.fillRect(0, 0, width_, height_, color_);
        return AppError();
    }
    std::unique_ptr<Canvas> frame = CreateBitmap();
    if (AppError error = ComposeFrame(*frame, false)) return error;
    screen.draw(0, 0, *frame);
    return AppError();
}

AppError BannerCore::PaintNoGap(Canvas& screen) {
    if (!strip_ || !visible_) {
        screen.fillRect(0, 0, width_, height_, color_);
        return AppError();
    }
    std::unique_ptr<Canvas> frame = CreateBitmap();
    if (AppError error = ComposeFrame(*frame, true)) return error;
    screen.draw(0, 0, *frame);
    return AppError();
}

AppError BannerCore::ComposeFrame(Canvas& frame, bool repeat) {
    if (AppError error = frame.setSize(width_, height_)) return error;
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
        return AppError();
    }
    if (strip <= 0) return AppError(); // nothing to repeat: the background alone
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
    return AppError();
}

void BannerCore::DblClick() {
    Fire(OnDblClick);
    if (ShiftAndCtrlDown()) ShowNotice(kBannerNoticeCaption, kBannerNoticeText);
}

AppError BannerCore::Loaded() {
    EndLoading();
    if (!scrollText_.empty()) {
        if (AppError error = SetScrollText(std::string(scrollText_))) return error;
    }
    if (!lines_.empty()) {
        if (AppError error = BuildLinesBitmap()) return error;
    }
    if (autoEnable_ && strip_ && strip_->height() > 0) return SetEnabled(true);
    return AppError();
}

} // namespace talvek::ui
