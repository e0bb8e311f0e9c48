// The components' canvas over GDI: memory bitmaps with their own DC, and a window's DC.
#pragma once
#include <windows.h>

#include "ui/components/logic/Canvas.h"
#include "ui/toolkit/Handles.h"

namespace talvek::ui {

COLORREF colorRef(TColor color);

// Draws on a DC that someone else owns (a window's paint DC, a picture's DC).
class DcCanvas : public Canvas {
  public:
    DcCanvas(HDC dc, int w, int h) : dc_(dc), w_(w), h_(h) {}
    ~DcCanvas() override;
    HDC dc() const { return dc_; }
    int width() const override { return w_; }
    int height() const override { return h_; }
    AppError setSize(int w, int h) override;
    AppError setFont(const TFontSpec& font) override;
    int textWidth(const std::string& text) override;
    int textHeight(const std::string& text) override;
    void fillRect(int left, int top, int right, int bottom, TColor color) override;
    void textOut(int x, int y, const std::string& text, TColor background) override;
    void draw(int x, int y, const Canvas& source) override;
    // Copies made by draw() so far.
    unsigned long copies() const { return copies_; }

  protected:
    // Puts the DC's own font back; derived canvases call it before they free their DC.
    void releaseFont();
    HDC dc_;
    int w_, h_;

  private:
    SIZE extent(const std::string& text);
    Font font_;
    HGDIOBJ oldFont_ = nullptr;
    unsigned long copies_ = 0;
};

// An off-screen bitmap in the screen's format with a DC of its own. When that DC cannot be
// made, the first setSize or setFont fails.
class BitmapCanvas : public DcCanvas {
  public:
    // `like`: a DC whose format the bitmap takes (the screen's when none).
    explicit BitmapCanvas(HDC like = nullptr);
    ~BitmapCanvas() override;
    AppError setSize(int w, int h) override;
    AppError setFont(const TFontSpec& font) override;

  private:
    HDC like_;
    MemoryDC memory_;
    Bitmap bitmap_;
    HGDIOBJ oldBitmap_ = nullptr;
};

// A picture given as a bitmap handle, selected into a DC of its own while this lives; not
// valid when the handle is no bitmap or no DC could be made for it.
class PictureCanvas : public DcCanvas {
  public:
    explicit PictureCanvas(HBITMAP picture);
    ~PictureCanvas() override;
    bool valid() const { return valid_; }

  private:
    MemoryDC memory_;
    HGDIOBJ oldBitmap_ = nullptr;
    bool valid_ = false;
};

} // namespace talvek::ui
