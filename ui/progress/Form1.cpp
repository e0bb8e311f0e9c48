#include "ui/progress/Form1.h"

#include <vector>

#include "backup/BackupRun.h"
#include "ui/components/Picture.h"
#include "ui/progress/logic/StatusText.h"
#include "ui/toolkit/Application.h"
#include "ui/toolkit/WindowHelpers.h"

namespace talvek::ui {

namespace {

const char* const kClassName = "TForm1";
const UINT kRunMessage = WM_APP + 1;

const char* const kStepCaptions[6] = {"Einstellungen laden",
                                      "Verzeichnisse erstellen",
                                      "Dateien sichern",
                                      "Alte Daten löschen",
                                      "Protokoll.txt / Recovery.bat erstellen",
                                      "Datensätze aktualisieren"};

// What the window paints itself: the title picture, a row per step (its mark and caption)
// and the status line below them.
const int kTitleLeft = 4, kTitleTop = 16, kTitleWidth = 39, kTitleHeight = 188;
const int kMarkLeft = 56, kLabelLeft = 88, kFirstMarkTop = 16, kRowStep = 32, kMarkSize = 25;
// The status line: one line at its top; a longer text wraps upwards into the room between
// the last step and the buttons, so no reason is ever cut at the window's edge. What does
// not fit there loses the middle of a path, or of the text itself (fitStatusText).
const int kStatusLeft = 56, kStatusTop = 216, kStatusRight = TForm1::kClientWidth - 4;
const int kStatusHighest = 202, kStatusBottom = 238;
const UINT kStatusWrap = DT_LEFT | DT_NOPREFIX | DT_WORDBREAK | DT_EDITCONTROL;

// A copy of a 25 x 25 template in which black pixels take the given background colour.
Bitmap markFrom(HBITMAP templ, COLORREF background) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = kMarkSize;
    bi.bmiHeader.biHeight = kMarkSize;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels(kMarkSize * kMarkSize);
    WindowDC screen(nullptr);
    GetDIBits(screen.get(), templ, 0, kMarkSize, pixels.data(), &bi, DIB_RGB_COLORS);
    DWORD replacement =
        (GetRValue(background) << 16) | (GetGValue(background) << 8) | GetBValue(background);
    for (DWORD& p : pixels)
        if ((p & 0xFFFFFF) == 0) p = replacement;
    Bitmap mark(CreateCompatibleBitmap(screen.get(), kMarkSize, kMarkSize));
    SetDIBits(screen.get(), mark.get(), 0, kMarkSize, pixels.data(), &bi, DIB_RGB_COLORS);
    return mark;
}

void drawBitmap(HDC dc, HBITMAP bitmap, int x, int y, int w, int h) {
    MemoryDC mem(CreateCompatibleDC(dc));
    SelectGuard select(mem.get(), bitmap);
    BitBlt(dc, x, y, w, h, mem.get(), 0, 0, SRCCOPY);
}

} // namespace

const ControlRow<TForm1> TForm1::kLayout[] = {
    {{"Memo1", "EDIT", "", kMemo1, 3, 272, 437, 55,
      WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
      WS_EX_CLIENTEDGE, 0, kMemoFont},
     &member<&TForm1::Memo1_>},
    {{"endeb", "BUTTON", "&Ende", kEndeb, 128, 240, 89, 25, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
      0, 0, kButtonFont},
     &member<&TForm1::endeb_>},
    {{"detailsb", "BUTTON", "&Details >>", kDetailsb, 240, 240, 89, 25,
      WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, kButtonFont},
     &member<&TForm1::detailsb_>},
};

TForm1::TForm1() {
    Application& app = Application::instance();
    HINSTANCE inst = app.hinstance();
    registerClass(kClassName, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)),
                  LoadIconA(inst, MAKEINTRESOURCEA(1)), CS_DBLCLKS);
    title_ = loadPackedPicture(inst, "TITLE");
    okImg_.reset(static_cast<HBITMAP>(LoadImageA(inst, "TICK", IMAGE_BITMAP, 0, 0, 0)));
    errImg_.reset(static_cast<HBITMAP>(LoadImageA(inst, "CROSS", IMAGE_BITMAP, 0, 0, 0)));
    if (okImg_) okMark_ = markFrom(okImg_.get(), RGB(255, 255, 255));
    if (errImg_) errMark_ = markFrom(errImg_.get(), RGB(255, 255, 255));

    formFont_ = makeFont("Arial", 16);
    statusFont_ = makeFont("Arial", 12, true);
    fonts_[kMemoFont] = makeFont("Arial", 11);
    fonts_[kButtonFont] = makeFont("Arial", 12);
    memoBrush_.reset(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));

    creationError_ = create(WS_EX_TOPMOST, kClassName, app.title().c_str(),
                            WS_POPUP | WS_CLIPCHILDREN, 0, 0, kClientWidth, kClientHeight, nullptr);
    if (creationError_) return;
    app.setMainWindow(hwnd());
    creationError_ = createControls();
    if (creationError_) return;
    centreWindow(hwnd(), nullptr);
}

TForm1::~TForm1() = default;

void TForm1::show(BackupRun& run) {
    run_ = &run;
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    UpdateWindow(hwnd());
}

AppError TForm1::createControls() {
    TALVEK_TRY(Form::createControls(kLayout, fonts_));
    Memo1_.removeLimit();
    Memo1_.onColor.connect(this, &TForm1::Memo1Color);
    endeb_.onClick.connect(this, &TForm1::endebClick);
    detailsb_.onClick.connect(this, &TForm1::detailsbClick);
    return AppError();
}

HBRUSH TForm1::Memo1Color(HDC dc) {
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return memoBrush_.get();
}

void TForm1::paint(HDC dc) {
    SIZE client = clientSize(hwnd());
    // Shape1: white fill with a black outline, the frame of the borderless window.
    {
        SelectGuard pen(dc, GetStockObject(BLACK_PEN));
        SelectGuard brush(dc, GetStockObject(WHITE_BRUSH));
        Rectangle(dc, 0, 0, kClientWidth, client.cy);
    }
    if (title_) drawBitmap(dc, title_.get(), kTitleLeft, kTitleTop, kTitleWidth, kTitleHeight);
    SetBkMode(dc, TRANSPARENT);
    {
        SelectGuard font(dc, formFont_.get());
        SetTextColor(dc, RGB(0, 0, 0));
        for (int i = 0; i < 6; ++i) {
            const RECT area = markArea(i + 1);
            if (marks_[i] != Mark::None) {
                HBITMAP mark = marks_[i] == Mark::Done ? okMark_.get() : errMark_.get();
                if (mark) drawBitmap(dc, mark, area.left, area.top, kMarkSize, kMarkSize);
            }
            TextOutA(dc, kLabelLeft, area.top + 4, kStepCaptions[i], lstrlenA(kStepCaptions[i]));
        }
    }
    SelectGuard font(dc, statusFont_.get());
    SetTextColor(dc, statusColor_);
    // Cut at the room's edge, a long text would lose the file's name and what happened to it.
    const std::string shown = fitStatusText(status_, [dc](const std::string& text) {
        RECT r{kStatusLeft, kStatusHighest, kStatusRight, kStatusBottom};
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, kStatusWrap | DT_CALCRECT);
        return r.bottom - r.top <= kStatusBottom - kStatusHighest && r.right <= kStatusRight;
    });
    SIZE extent{};
    const int length = static_cast<int>(shown.size());
    GetTextExtentPoint32A(dc, shown.c_str(), length, &extent);
    if (kStatusLeft + extent.cx <= kStatusRight) {
        TextOutA(dc, kStatusLeft, kStatusTop, shown.c_str(), length);
        return;
    }
    RECT r{kStatusLeft, kStatusTop, kStatusRight, kStatusBottom};
    DrawTextA(dc, shown.c_str(), length, &r, kStatusWrap | DT_CALCRECT);
    int height = r.bottom - r.top;
    r = RECT{kStatusLeft, kStatusBottom - height, kStatusRight, kStatusBottom};
    if (r.top < kStatusHighest) r.top = kStatusHighest;
    DrawTextA(dc, shown.c_str(), length, &r, kStatusWrap);
}

RECT TForm1::markArea(int step) {
    const int top = kFirstMarkTop + (step - 1) * kRowStep;
    return RECT{kMarkLeft, top, kMarkLeft + kMarkSize, top + kMarkSize};
}

void TForm1::markStep(int step, StepMark mark) {
    if (step < 1 || step > 6) return;
    marks_[step - 1] = mark == StepMark::Done ? Mark::Done : Mark::Error;
    const RECT area = markArea(step);
    InvalidateRect(hwnd(), &area, TRUE);
}

void TForm1::setStatus(const std::string& text, StatusColor color) {
    status_ = text;
    statusColor_ = color == StatusColor::Green ? RGB(0, 128, 0) : RGB(255, 0, 0);
    RECT r{kStatusLeft, kStatusHighest, kClientWidth - 1, kStatusBottom};
    InvalidateRect(hwnd(), &r, TRUE);
}

void TForm1::addLogLine(const std::string& text) {
    // The lines are handed to the box in one piece when something needs them: the box lays
    // out its whole text again at every change, which a run of a thousand lines cannot afford.
    pendingLog_.push_back(text);
}

void TForm1::flushLog() {
    if (pendingLog_.empty()) return;
    // Lines are separated, not terminated, so the box shows no empty last line. When the log
    // passes kDetailsLimit, its oldest whole lines go: the end of the run stays on screen.
    const std::size_t held = shownLengths_.size();
    for (const std::string& line : pendingLog_) {
        shownChars_ += (shownLengths_.empty() ? 0 : 2) + line.size();
        shownLengths_.push_back(line.size());
    }
    std::size_t dropped = 0, droppedChars = 0;
    while (shownChars_ > kDetailsLimit && shownLengths_.size() > 1) {
        droppedChars += shownLengths_.front() + 2;
        shownChars_ -= shownLengths_.front() + 2;
        shownLengths_.pop_front();
        ++dropped;
    }
    std::string text;
    std::size_t first = 0;
    if (dropped >= held) {
        if (held > 0) Memo1_.setText("");
        first = dropped - held;
    } else {
        if (dropped > 0) Memo1_.removeStart(static_cast<int>(droppedChars));
        text = "\r\n";
    }
    for (std::size_t i = first; i < pendingLog_.size(); ++i)
        text += (i > first ? "\r\n" : "") + pendingLog_[i];
    Memo1_.append(text);
    pendingLog_.clear();
}

std::vector<std::string> TForm1::wrappedAsShown(const std::vector<std::string>& lines) {
    // A hidden box of the details box's size, style and font breaks the lines where the
    // details box does; it is fed a part at a time, well within what Windows 95's box holds.
    // It is no child of the window, so whoever looks for the window's box finds that one.
    const ControlLayout& memo = kLayout[0].layout;
    OwnedWindow measure(CreateWindowExA(
        memo.exStyle, memo.className, "", (memo.style & ~WS_VISIBLE) | WS_POPUP, 0, 0, memo.width,
        memo.height, nullptr, nullptr, Application::instance().hinstance(), nullptr));
    if (!measure) return lines;
    Edit box;
    box.attach(measure.get());
    setFont(measure.get(), fonts_[kMemoFont].get());
    box.removeLimit();
    const std::size_t kPart = 30000;
    std::vector<std::string> pieces;
    for (std::size_t next = 0; next < lines.size();) {
        std::string text = lines[next++];
        while (next < lines.size() && text.size() + 2 + lines[next].size() <= kPart)
            text += "\r\n" + lines[next++];
        box.setText(text);
        const int count = box.lineCount();
        for (int i = 0; i < count; ++i)
            pieces.push_back(box.line(i));
    }
    return pieces;
}

void TForm1::showMessageBox(const std::string& text, const std::string& caption) {
    flushLog();
    MessageBoxA(hwnd(), text.c_str(), caption.c_str(), MB_OK);
}

void TForm1::repaintNow() {
    flushLog();
    RedrawWindow(hwnd(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void TForm1::processPendingMessages(unsigned maxWaitMs) {
    flushLog();
    // A quit request (Ende) meanwhile is dropped: the wait ends as planned, then quits.
    Application::instance().processPendingMessages(maxWaitMs);
}

void TForm1::quit() {
    Application::instance().terminate();
}

AppError TForm1::FormActivate() {
    const AppError error = run_->run();
    flushLog(); // before the error box: the box shows what the run logged so far
    return error;
}

AppError TForm1::endebClick() {
    quit();
    return AppError();
}

AppError TForm1::detailsbClick() {
    bool unfold = clientSize(hwnd()).cy < 310;
    int height = unfold ? kDetailsHeight : kClientHeight;
    SetWindowPos(hwnd(), nullptr, 0, 0, kClientWidth, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    detailsb_.setText(unfold ? "<< &Details" : "&Details >>");
    InvalidateRect(hwnd(), nullptr, TRUE);
    return AppError();
}

Reply TForm1::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PaintDC dc(hwnd());
        paint(dc.get());
        return 0;
    }
    case WM_ACTIVATE:
        // The run starts once, when the window first becomes active; it runs outside the
        // activation message so that the platform has finished activating the window.
        if (LOWORD(wParam) != WA_INACTIVE && !activated_) {
            activated_ = true;
            PostMessageA(hwnd(), kRunMessage, 0, 0);
        }
        break;
    case kRunMessage:
        return FormActivate();
    case WM_CLOSE:
        quit();
        return 0;
    default:
        break;
    }
    return defaultHandling(message, wParam, lParam);
}

} // namespace talvek::ui
