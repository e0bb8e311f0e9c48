#include "ui/components/GdiCanvas.h"

#include <algorithm>

namespace talvek::ui {

namespace {
const char* const kBitmapError = "Bitmap kann nicht erzeugt werden";
}

COLORREF colorRef(TColor color) {
    if (isSystemColor(color)) return GetSysColor(static_cast<int>(color & 0xFF));
    return static_cast<COLORREF>(color & 0xFFFFFF);
}

DcCanvas::~DcCanvas() {
    releaseFont();
}

void DcCanvas::releaseFont() {
    if (oldFont_) SelectObject(dc_, oldFont_);
    oldFont_ = nullptr;
}

AppError DcCanvas::setSize(int w, int h) {
    w_ = w;
    h_ = h;
    return AppError();
}

AppError DcCanvas::setFont(const TFontSpec& style) {
    LOGFONTA lf{};
    lf.lfHeight = -style.height;
    lf.lfWeight = style.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = style.italic ? TRUE : FALSE;
    lf.lfUnderline = style.underline ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynA(lf.lfFaceName, style.name.c_str(), LF_FACESIZE);
    Font font(CreateFontIndirectA(&lf));
    if (!font) return AppError("Schriftart " + style.name + " kann nicht erzeugt werden");
    releaseFont();
    oldFont_ = SelectObject(dc_, font.get());
    font_ = std::move(font);
    SetTextColor(dc_, colorRef(style.color));
    return AppError();
}

SIZE DcCanvas::extent(const std::string& text) {
    SIZE size{0, 0};
    GetTextExtentPoint32A(dc_, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

int DcCanvas::textWidth(const std::string& text) {
    return extent(text).cx;
}

int DcCanvas::textHeight(const std::string& text) {
    // The height of a line in this font, also for an empty text.
    return extent(text.empty() ? std::string(" ") : text).cy;
}

void DcCanvas::fillRect(int left, int top, int right, int bottom, TColor color) {
    RECT r{left, top, right, bottom};
    if (isSystemColor(color)) {
        FillRect(dc_, &r, GetSysColorBrush(static_cast<int>(color & 0xFF)));
        return;
    }
    Brush brush(CreateSolidBrush(colorRef(color)));
    FillRect(dc_, &r, brush.get());
}

void DcCanvas::textOut(int x, int y, const std::string& text, TColor background) {
    SetBkMode(dc_, OPAQUE);
    SetBkColor(dc_, colorRef(background));
    TextOutA(dc_, x, y, text.c_str(), static_cast<int>(text.size()));
}

void DcCanvas::draw(int x, int y, const Canvas& source) {
    const auto& src = static_cast<const DcCanvas&>(source);
    // Only the part that lands on this canvas is copied: a tall strip mostly lies outside the
    // frame, and the copy never reads beyond the source.
    const int left = std::max(x, 0), top = std::max(y, 0);
    const int right = std::min(x + src.w_, w_), bottom = std::min(y + src.h_, h_);
    if (right <= left || bottom <= top) return;
    BitBlt(dc_, left, top, right - left, bottom - top, src.dc_, left - x, top - y, SRCCOPY);
    ++copies_;
}

BitmapCanvas::BitmapCanvas(HDC like)
    : DcCanvas(nullptr, 0, 0), like_(like), memory_(CreateCompatibleDC(like)) {
    dc_ = memory_.get();
}

BitmapCanvas::~BitmapCanvas() {
    releaseFont();
    if (oldBitmap_) SelectObject(dc_, oldBitmap_);
}

AppError BitmapCanvas::setFont(const TFontSpec& font) {
    if (!memory_) return AppError(kBitmapError);
    return DcCanvas::setFont(font);
}

AppError BitmapCanvas::setSize(int w, int h) {
    if (!memory_) return AppError(kBitmapError);
    if (oldBitmap_) SelectObject(dc_, oldBitmap_);
    oldBitmap_ = nullptr;
    bitmap_.reset();
    if (w <= 0 || h <= 0) {
        // No pixels, but the size is kept (a picture may be wide with no height); measuring
        // text still works on the DC.
        return DcCanvas::setSize(w < 0 ? 0 : w, h < 0 ? 0 : h);
    }
    Bitmap bitmap;
    if (like_) {
        bitmap.reset(CreateCompatibleBitmap(like_, w, h));
    } else {
        WindowDC screen(nullptr);
        bitmap.reset(CreateCompatibleBitmap(screen.get(), w, h));
    }
    if (!bitmap) return AppError(kBitmapError);
    oldBitmap_ = SelectObject(dc_, bitmap.get());
    bitmap_ = std::move(bitmap);
    return DcCanvas::setSize(w, h);
}

PictureCanvas::PictureCanvas(HBITMAP picture)
    : DcCanvas(nullptr, 0, 0), memory_(CreateCompatibleDC(nullptr)) {
    BITMAP info{};
    if (!memory_ || !picture || !GetObjectA(picture, sizeof info, &info)) return;
    dc_ = memory_.get();
    oldBitmap_ = SelectObject(dc_, picture);
    w_ = info.bmWidth;
    h_ = info.bmHeight;
    valid_ = true;
}

PictureCanvas::~PictureCanvas() {
    releaseFont();
    if (oldBitmap_) SelectObject(dc_, oldBitmap_);
}

} // namespace talvek::ui
