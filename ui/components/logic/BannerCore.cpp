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

BannerCore::BannerCore() = default;

BannerCore::~BannerCore() = default;

void BannerCore::Fire(const NotifyEvent& event) {
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
    if (Loading()) return AppError(); // the switch waits for Loaded
    wantEnabled_ = value;
    enabledWritten_ = true;
    return Layout();
}

AppError BannerCore::SetScrollText(const std::string& text) {
    scrollText_ = text;
    lines_.clear();
    source_ = Source::Text;
    return ContentChanged();
}

AppError BannerCore::SetLines(const std::vector<std::string>& lines) {
    lines_ = lines;
    scrollText_.clear();
    source_ = Source::Lines;
    return ContentChanged();
}

AppError BannerCore::SetLinesAlign(TAlignment value) {
    if (value == linesAlign_) return AppError();
    linesAlign_ = value;
    if (source_ != Source::Lines) return AppError();
    return ContentChanged();
}

AppError BannerCore::SetBitmap(const Canvas& picture) {
    // The picture is copied at once: the caller keeps its own.
    if (!strip_) TALVEK_TRY(NewStrip(strip_));
    TALVEK_TRY(strip_->setSize(picture.width(), picture.height()));
    strip_->draw(0, 0, picture);
    scrollText_.clear();
    lines_.clear();
    source_ = Source::Picture;
    stripDirty_ = false;
    if (autoEnable_ && strip_->width() != 0 && !Loading()) {
        wantEnabled_ = true;
        enabledWritten_ = true;
    }
    return Layout();
}

AppError BannerCore::SetScrollInterval(std::uint16_t value) {
    interval_ = value;
    timerDirty_ = true;
    return Layout();
}

AppError BannerCore::ContentChanged() {
    stripDirty_ = true;
    if (!Loading() && (autoEnable_ || enabled_)) {
        wantEnabled_ = true;
        enabledWritten_ = true;
    }
    return Layout();
}

AppError BannerCore::Layout() {
    if (Loading()) return AppError();
    const bool written = enabledWritten_;
    enabledWritten_ = false;
    if (stripDirty_) TALVEK_TRY(RenderStrip());
    if (!written) {
        if (!timerDirty_) return AppError();
        timerDirty_ = false;
        return UpdateTimer(enabled_ && interval_ != 0, interval_);
    }
    const bool on = wantEnabled_;
    // A strip from text is dropped when scrolling is switched off and rendered again to
    // switch on.
    if (on && !strip_ && FromText()) TALVEK_TRY(RenderStrip());
    if (on && !StripUsable()) {
        wantEnabled_ = enabled_;
        return AppError(kBannerEnableError);
    }
    if (!on && FromText()) strip_.reset();
    if (AppError error = UpdateTimer(on && interval_ != 0, interval_)) {
        wantEnabled_ = enabled_;
        return error;
    }
    timerDirty_ = false;
    enabled_ = on;
    Fire(on ? OnEnable : OnDisable);
    return AppError();
}

AppError BannerCore::RenderStrip() {
    stripDirty_ = false;
    strip_.reset();
    std::unique_ptr<Canvas> strip;
    TALVEK_TRY(NewStrip(strip));
    if (source_ == Source::Text) {
        TALVEK_TRY(strip->setSize(strip->textWidth(scrollText_), strip->textHeight(scrollText_)));
        strip->fillRect(0, 0, strip->width(), strip->height(), color_);
        strip->textOut(0, 0, scrollText_, color_);
        strip_ = std::move(strip);
        return AppError();
    }
    int widest = 0;
    for (const std::string& line : lines_)
        widest = std::max(widest, strip->textWidth(line));
    const int lineHeight = strip->textHeight("Xj");
    TALVEK_TRY(strip->setSize(widest, static_cast<int>(lines_.size()) * lineHeight));
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
    return AppError();
}

void BannerCore::SetScrollDirection(TScrollDirection value) {
    if (value == direction_) return;
    pos_ = banner::rebase(direction_, value, StripWidth(), StripHeight(), width_, height_, pos_);
    direction_ = value;
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
    if (!strip_ || !visible_) {
        screen.fillRect(0, 0, width_, height_, color_);
        return AppError();
    }
    std::unique_ptr<Canvas> frame = CreateBitmap();
    TALVEK_TRY(ComposeFrame(*frame));
    screen.draw(0, 0, *frame);
    return AppError();
}

AppError BannerCore::ComposeFrame(Canvas& frame) {
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
    if (!noGap_) {
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
    loading_ = false;
    // The properties as they stand now: a strip from text takes the final font and colour.
    if (FromText()) stripDirty_ = true;
    if (autoEnable_ && (FromText() || (strip_ && strip_->height() > 0))) {
        wantEnabled_ = true;
        enabledWritten_ = true;
    }
    return Layout();
}

} // namespace talvek::ui
