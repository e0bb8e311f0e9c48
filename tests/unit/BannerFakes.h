// A canvas that records what is drawn where, and a banner whose platform hooks record too.
#pragma once
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "config/Error.h"
#include "ui/components/logic/BannerCore.h"

namespace talvek::testing {

using namespace talvek::ui;

// Text widths by text; any other text is 6 pixels per character. Heights are the font's.
using WidthTable = std::map<std::string, int>;

struct DrawOp {
    enum Kind { Fill, Text, Copy } kind = Fill;
    int x = 0, y = 0, right = 0, bottom = 0;    // Fill: the rectangle; Text, Copy: the origin
    std::string text;                           // Text
    TColor color = 0;                           // Fill: colour; Text: background
    TColor fontColor = 0;                       // Text
    int sourceId = 0, sourceW = 0, sourceH = 0; // Copy
    std::vector<DrawOp> sourceOps;              // Copy: what the source held when copied
};

class RecordingCanvas : public Canvas {
  public:
    RecordingCanvas(int id, const WidthTable* widths, int w = 0, int h = 0)
        : id_(id), widths_(widths), w_(w), h_(h) {}
    int id() const { return id_; }
    int width() const override { return w_; }
    int height() const override { return h_; }
    AppError setSize(int w, int h) override {
        w_ = w;
        h_ = h;
        ops.clear();
        return AppError();
    }
    AppError setFont(const TFontSpec& f) override {
        font = f;
        return AppError();
    }
    int textWidth(const std::string& text) override {
        auto it = widths_ ? widths_->find(text) : WidthTable::const_iterator();
        if (widths_ && it != widths_->end()) return it->second;
        return 6 * static_cast<int>(text.size());
    }
    int textHeight(const std::string&) override { return font.height; }
    void fillRect(int l, int t, int r, int b, TColor c) override {
        DrawOp op;
        op.kind = DrawOp::Fill;
        op.x = l, op.y = t, op.right = r, op.bottom = b, op.color = c;
        ops.push_back(op);
    }
    void textOut(int x, int y, const std::string& text, TColor bg) override {
        DrawOp op;
        op.kind = DrawOp::Text;
        op.x = x, op.y = y, op.text = text, op.color = bg, op.fontColor = font.color;
        ops.push_back(op);
    }
    void draw(int x, int y, const Canvas& source) override {
        const auto& src = static_cast<const RecordingCanvas&>(source);
        DrawOp op;
        op.kind = DrawOp::Copy;
        op.x = x, op.y = y, op.sourceId = src.id_, op.sourceW = src.w_, op.sourceH = src.h_;
        op.sourceOps = src.ops;
        ops.push_back(op);
    }

    std::vector<DrawOp> ops;
    TFontSpec font;

  private:
    int id_;
    const WidthTable* widths_;
    int w_, h_;
};

class TestBanner : public BannerCore, public Receiver {
  public:
    TestBanner() {
        OnEnable.connect(this, &TestBanner::enabled);
        OnDisable.connect(this, &TestBanner::disabled);
        OnScroll.connect(this, &TestBanner::scrolled);
        OnDblClick.connect(this, &TestBanner::doubleClicked);
    }

    // Positions of the strip copies in the frame the last repaint put on the screen.
    std::vector<int> copiesAlongAxis() const {
        std::vector<int> at;
        for (const DrawOp& frame : screen.ops)
            if (frame.kind == DrawOp::Copy)
                for (const DrawOp& op : frame.sourceOps)
                    if (op.kind == DrawOp::Copy)
                        at.push_back(isHorizontal(ScrollDirection()) ? op.x : op.y);
        return at;
    }
    void paintScreen() {
        screen.ops.clear();
        if (AppError error = Paint(screen)) events.push_back("paint failed: " + error.text());
    }
    int stripId() const { return Strip() ? static_cast<const RecordingCanvas*>(Strip())->id() : 0; }
    const RecordingCanvas* strip() const { return static_cast<const RecordingCanvas*>(Strip()); }

    WidthTable widths;
    RecordingCanvas screen{-1, nullptr};
    std::vector<std::string> events;
    bool timerRunning = false;
    int timerInterval = -1, timerUpdates = 0;
    bool noTimersLeft = false;
    int repaints = 0;
    bool shiftAndCtrl = false;
    std::vector<std::string> notices;
    int canvasesMade = 0;

  protected:
    std::unique_ptr<Canvas> CreateBitmap() override {
        return std::make_unique<RecordingCanvas>(++canvasesMade, &widths);
    }
    AppError UpdateTimer(bool running, std::uint16_t interval) override {
        if (running && noTimersLeft) return AppError("Nicht genügend Timer verfügbar");
        timerRunning = running;
        timerInterval = interval;
        ++timerUpdates;
        return AppError();
    }
    void RepaintNow() override {
        ++repaints;
        paintScreen();
    }
    bool ShiftAndCtrlDown() override { return shiftAndCtrl; }
    void ShowNotice(const std::string& caption, const std::string& text) override {
        notices.push_back(caption + "|" + text);
    }

  private:
    void enabled(BannerCore& sender) { record("enable", sender); }
    void disabled(BannerCore& sender) { record("disable", sender); }
    void scrolled(BannerCore& sender) { record("scroll", sender); }
    void doubleClicked(BannerCore& sender) { record("dblclick", sender); }
    void record(const char* what, BannerCore& sender) {
        events.push_back(&sender == this ? what : "event with a foreign sender");
    }
};

// A picture of the given size to assign as Bitmap.
inline RecordingCanvas picture(int w, int h) {
    return RecordingCanvas(1000, nullptr, w, h);
}

} // namespace talvek::testing
