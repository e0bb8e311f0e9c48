#include "ui/setup/SetupForm.h"

#include <commctrl.h>

#include <vector>

#include "ui/components/Banner.h"
#include "ui/components/FBrowse.h"
#include "ui/components/UrlLabel.h"
#include "ui/setup/MouseMoveHook.h"
#include "ui/toolkit/Application.h"
#include "ui/toolkit/Controls.h"

namespace talvek::ui {

using setup::HintSource;

namespace {

const char* const kClassName = "TSetupForm";
const int kStatusHeight = 19;
const COLORREF kGrey = RGB(128, 128, 128);
int nextControlId = 100;

} // namespace

TSetupForm::TSetupForm()
    : logic_(*this,
             SetupPlatform{profile_, registry_, questions_, openDialog_, *this, system_, clock_}) {
    Application& app = Application::instance();
    registerClass(kClassName, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                  LoadIconA(app.hinstance(), MAKEINTRESOURCEA(1)));
    create(WS_EX_CONTROLPARENT, kClassName, setup::kCaption,
           WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, 0, 0,
           kClientWidth, kClientHeight, nullptr);
    setClientSize(hwnd(), kClientWidth, kClientHeight);
    centreOnScreen(hwnd());
    app.setMainWindow(hwnd());
    questions_.setOwner(hwnd());
    openDialog_.setOwner(hwnd());
    creationError_ = createControls();
    if (creationError_) return;
    ready_ = true;
    app.report(logic_.load());
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    SetFocus(Einstellungen_);
}

TSetupForm::~TSetupForm() = default;

HWND TSetupForm::control(HWND parent, const char* cls, const std::string& text, DWORD style, int x,
                         int y, int width, int height, DWORD exStyle) {
    HWND wnd = createControl(parent, cls, text, WS_VISIBLE | WS_CLIPSIBLINGS | style, x, y, width,
                             height, nextControlId++, exStyle);
    setFont(wnd, parent == hwnd() ? formFont_.get() : pageFont_.get());
    return wnd;
}

HWND TSetupForm::label(HWND parent, const std::string& text, int x, int y, int width, int height,
                       HFONT font) {
    // SS_NOTIFY: the label takes the mouse itself, so moving over it leaves the hint alone.
    HWND wnd = control(parent, "STATIC", text, SS_LEFT | SS_NOTIFY | SS_NOPREFIX, x, y,
                       width > 0 ? width : 1, height > 0 ? height : 1);
    setFont(wnd, font);
    if (width <= 0 || height <= 0) { // sized to its text
        WindowDC dc(wnd);
        SelectGuard select(dc.get(), font);
        SIZE size{};
        GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
        SetWindowPos(wnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
    }
    return wnd;
}

void TSetupForm::hint(HWND wnd, HintSource source) {
    hookMouseMove(wnd, [this, source] { logic_.mouseMove(source); });
}

AppError TSetupForm::createControls() {
    components_ = std::make_unique<TComponent>();
    formFont_ = makeFont("MS Sans Serif", 11);
    tabFont_ = makeFont("MS Sans Serif", 13);
    pageFont_ = makeFont("Arial", 11);
    labelFont_ = makeFont("Arial", 12);
    versionFont_ = makeFont("Arial", 8);
    logo_.reset(static_cast<HBITMAP>(
        LoadImageA(Application::instance().hinstance(), "LOGO", IMAGE_BITMAP, 0, 0, 0)));

    // The notebook first: it leads the tab order, then its page, aktivate, ok, Cancel.
    Einstellungen_ = control(hwnd(), WC_TABCONTROLA, "", WS_TABSTOP, 8, 8, 473, 249);
    setFont(Einstellungen_, tabFont_.get());
    for (int i = 0; i < setup::kPageCount; ++i) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(setup::kPageCaptions[i]);
        SendMessageA(Einstellungen_, TCM_INSERTITEMA, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&item));
    }
    RECT area{0, 0, 473, 249};
    SendMessageA(Einstellungen_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    // The pages are the window's own children right behind the notebook: so the keyboard
    // goes from the tabs into the page shown. The notebook leaves a hole where they lie.
    HRGN outline = CreateRectRgn(0, 0, 473, 249);
    HRGN hole = CreateRectRgn(area.left, area.top, area.right, area.bottom);
    CombineRgn(outline, outline, hole, RGN_DIFF);
    DeleteObject(hole);
    SetWindowRgn(Einstellungen_, outline, FALSE); // the window keeps the region
    for (int i = 0; i < setup::kPageCount; ++i) {
        // The about page draws its logo below its transparent label, so it keeps its
        // children's area in its own painting.
        DWORD clip = i == 2 ? 0 : WS_CLIPCHILDREN;
        pages_[i] = std::make_unique<SetupContainer>(
            hwnd(), 8 + area.left, 8 + area.top, area.right - area.left, area.bottom - area.top,
            hwnd(), SetupContainer::Look::Plain, clip, WS_EX_CONTROLPARENT);
    }
    createFilesPage(pages_[0]->hwnd());
    createSettingsPage(pages_[1]->hwnd());
    if (AppError error = createAboutPage(pages_[2]->hwnd())) return error;

    aktivate_ = control(hwnd(), "BUTTON", "Talvek &aktivieren.", BS_AUTOCHECKBOX | WS_TABSTOP, 16,
                        268, 137, 17);
    hint(aktivate_, HintSource::Active);
    ok_ = control(hwnd(), "BUTTON", "Ü&bernehmen", BS_PUSHBUTTON | WS_TABSTOP, 376, 264, 105, 25);
    hint(ok_, HintSource::Ok);
    Cancel_ = control(hwnd(), "BUTTON", "&Ende", BS_PUSHBUTTON | WS_TABSTOP, 256, 264, 105, 25);
    hint(Cancel_, HintSource::Cancel);

    StatusBar1_ =
        control(hwnd(), STATUSCLASSNAMEA, "", CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER, 0,
                kClientHeight - kStatusHeight, kClientWidth, kStatusHeight);
    int parts[2] = {150, -1};
    SendMessageA(StatusBar1_, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
    SendMessageA(StatusBar1_, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>("Talvek 95"));
    SendMessageA(StatusBar1_, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(""));

    FolderBrowse1_ = new TFolderBrowse(components_.get());
    showPage(0);
    return AppError();
}

void TSetupForm::createFilesPage(HWND page) {
    label(page, "Diese Dateien sichert Talvek:", 8, 8, 143, 14, pageFont_.get());
    // Keyboard order on this page: add, delete, recfileslist.
    add_ = control(page, "BUTTON", "Hinzu&fügen", BS_PUSHBUTTON | WS_TABSTOP, 328, 24, 121, 25);
    hint(add_, HintSource::Add);
    delete_ =
        control(page, "BUTTON", "Aus &Liste löschen", BS_PUSHBUTTON | WS_TABSTOP, 328, 56, 121, 25);
    hint(delete_, HintSource::Delete);
    recfileslist_ = control(page, "LISTBOX", "",
                            LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS | WS_VSCROLL |
                                WS_HSCROLL | WS_TABSTOP,
                            8, 24, 313, 185, WS_EX_CLIENTEDGE);
    SendMessageA(recfileslist_, LB_SETITEMHEIGHT, 0, MAKELPARAM(14, 0));
    hint(recfileslist_, HintSource::FileList);
}

void TSetupForm::createSettingsPage(HWND page) {
    // Controls first, in keyboard order; the panels behind them come last.
    Edit1_ =
        control(page, "EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP, 112, 24, 249, 22, WS_EX_CLIENTEDGE);
    hint(Edit1_, HintSource::BackupDirectory);
    Browse_ = control(page, "BUTTON", "&Suchen...", BS_PUSHBUTTON | WS_TABSTOP, 376, 24, 73, 22);
    hint(Browse_, HintSource::Browse);
    Maxdatedit_.create(page, 184, 56, 41, 23, nextControlId, kMaxRecordSetsRange, true,
                       pageFont_.get());
    nextControlId += 2;
    hint(Maxdatedit_.edit(), HintSource::MaxRecordSets);
    hint(Maxdatedit_.arrows(), HintSource::MaxRecordSets);
    Batchfile_ = control(page, "BUTTON", "Batchdatei für einfaches Wiederherstellen :",
                         BS_AUTOCHECKBOX | WS_TABSTOP, 8, 160, 233, 17);
    hint(Batchfile_, HintSource::BatchFile);
    batchname_ =
        control(page, "EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP, 240, 156, 129, 22, WS_EX_CLIENTEDGE);
    logtxt_ = control(page, "BUTTON",
                      "Protokoll der jeweiligen Sicherung (Details):", BS_AUTOCHECKBOX | WS_TABSTOP,
                      8, 190, 233, 17);
    hint(logtxt_, HintSource::LogFile);
    logname_ =
        control(page, "EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP, 240, 186, 129, 22, WS_EX_CLIENTEDGE);

    Panel2_ = std::make_unique<SetupContainer>(page, 2, 8, 455, 113, hwnd(),
                                               SetupContainer::Look::RaisedFrame);
    Panel2_->onMouseMove = [this] { logic_.mouseMove(HintSource::Panel2); };
    HWND panel2 = Panel2_->hwnd();
    label(panel2, "Daten sichern in:", 8, 20, 0, 0, labelFont_.get());
    label(panel2, "Alte Sicherungen löschen nach", 8, 50, 0, 0, labelFont_.get());
    label(panel2, "neueren Sicherungen.", 232, 50, 0, 0, labelFont_.get());
    label(panel2, "Alle", 8, 82, 0, 0, labelFont_.get());
    AlleXTage_.create(panel2, 32, 80, 41, 23, nextControlId, kEveryXDaysRange, false,
                      pageFont_.get());
    nextControlId += 2;
    hint(AlleXTage_.edit(), HintSource::EveryXDays);
    hint(AlleXTage_.arrows(), HintSource::EveryXDays);
    label(panel2, "Tage sichern.", 80, 82, 0, 0, labelFont_.get());

    Panel1_ = std::make_unique<SetupContainer>(page, 2, 128, 455, 87, hwnd(),
                                               SetupContainer::Look::RaisedFrame);
    Panel1_->onMouseMove = [this] { logic_.mouseMove(HintSource::Panel1); };
    label(Panel1_->hwnd(), "Folgende Dateien werden erstellt:", 8, 8, 0, 0, pageFont_.get());
}

AppError TSetupForm::createAboutPage(HWND page) {
    pages_[2]->onPaint = [this](HDC dc) { paintLogo(dc); };
    pages_[2]->onMouseMove = [this] { logic_.mouseMove(HintSource::Logo); };
    Label7_ = label(page, setup::kVersionLabel, 444, 0, 16, 10, versionFont_.get());
    return createComponents(page);
}

AppError TSetupForm::createComponents(HWND page) {
    Banner1_ = new TBanner(components_.get());
    UrlLabel1_ = new TUrlLabel(components_.get());
    UrlLabel2_ = new TUrlLabel(components_.get());
    Banner1_->SetName("Banner1");
    UrlLabel1_->SetName("UrlLabel1");
    UrlLabel2_->SetName("UrlLabel2");
    AppError loaded = LoadComponents({Banner1_, UrlLabel1_, UrlLabel2_}, [this] {
        Banner1_->SetWidth(217);
        Banner1_->SetHeight(57);
        Banner1_->SetColor(clBlack);
        TFontSpec bannerFont;
        bannerFont.name = "Arial";
        bannerFont.height = 11;
        bannerFont.color = clGray;
        Banner1_->SetFont(bannerFont);
        if (AppError error = Banner1_->SetLinesAlign(TAlignment::taLeftJustify)) return error;
        Banner1_->SetScrollDirection(TScrollDirection::sdBottomToTop);
        if (AppError error = Banner1_->SetScrollInterval(100)) return error;
        Banner1_->SetScrollPixels(1);
        if (AppError error = Banner1_->SetLines(setup::creditLines())) return error;

        TFontSpec linkFont;
        linkFont.name = "MS Sans Serif";
        linkFont.height = 11;
        linkFont.color = clGray;
        linkFont.underline = true;
        for (TUrlLabel* link : {UrlLabel1_, UrlLabel2_}) {
            link->SetFont(linkFont);
            link->SetColor(clBlack);
        }
        UrlLabel1_->SetCaption(setup::mailCaption());
        UrlLabel1_->SetURL(setup::mailUrl());
        UrlLabel2_->SetCaption(setup::homepageCaption());
        UrlLabel2_->SetURL(setup::kHomepageUrl);
        return AppError();
    });
    if (loaded) return loaded;
    UrlLabel1_->OnMouseMove = [this](TComponent&, int, int) {
        logic_.mouseMove(HintSource::MailLink);
    };
    UrlLabel2_->OnMouseMove = [this](TComponent&, int, int) {
        logic_.mouseMove(HintSource::HomepageLink);
    };
    if (AppError error = UrlLabel1_->CreateIn(page, 246, 92, 150, 13)) return error;
    if (AppError error = UrlLabel2_->CreateIn(page, 246, 108, 211, 13)) return error;
    return Banner1_->CreateIn(page, 244, 136, 217, 57);
}

void TSetupForm::paintLogo(HDC dc) {
    RECT r;
    GetClientRect(pages_[2]->hwnd(), &r);
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    if (!logo_) return;
    MemoryDC memory(CreateCompatibleDC(dc));
    SelectGuard select(memory.get(), logo_.get());
    BitBlt(dc, 0, 0, 465, 217, memory.get(), 0, 0, SRCCOPY);
}

void TSetupForm::showPage(int index) {
    for (int i = 0; i < setup::kPageCount; ++i)
        ShowWindow(pages_[i]->hwnd(), i == index ? SW_SHOW : SW_HIDE);
    SetWindowPos(pages_[index]->hwnd(), Einstellungen_, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

LRESULT TSetupForm::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (lParam != 0) onCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        return 0;
    case WM_NOTIFY:
        return onNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
        return onColor(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_MOUSEMOVE:
        logic_.mouseMove(HintSource::Form);
        return 0;
    case WM_ACTIVATE:
        // Like a dialog box: the control that had the keyboard gets it back on return.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(hwnd(), focus)) lastFocus_ = focus;
        } else if (!HIWORD(wParam)) {
            SetFocus(lastFocus_ && IsWindow(lastFocus_) && IsWindowEnabled(lastFocus_)
                         ? lastFocus_
                         : Einstellungen_);
        }
        return 0;
    case WM_CLOSE:
        // Closing never writes: whatever was not applied is dropped.
        DestroyWindow(hwnd());
        return 0;
    case WM_DESTROY:
        Application::instance().terminate();
        return 0;
    default:
        break;
    }
    return defaultHandling(message, wParam, lParam);
}

void TSetupForm::onCommand(HWND wnd, int code) {
    if (!ready_) return;
    if (code == BN_CLICKED) {
        if (wnd == ok_)
            Application::instance().report(logic_.apply());
        else if (wnd == Cancel_)
            PostMessageA(hwnd(), WM_CLOSE, 0, 0);
        else if (wnd == add_)
            Application::instance().report(logic_.addFile());
        else if (wnd == delete_)
            logic_.deleteFile();
        else if (wnd == Browse_)
            logic_.browse();
        else if (wnd == Batchfile_)
            logic_.batchFileClicked();
        else if (wnd == logtxt_)
            logic_.logFileClicked();
        else if (wnd == aktivate_)
            logic_.changed();
    } else if (code == EN_CHANGE) {
        if (wnd == Edit1_ || wnd == batchname_ || wnd == logname_ || wnd == Maxdatedit_.edit() ||
            wnd == AlleXTage_.edit())
            logic_.changed();
    } else if (code == EN_KILLFOCUS) {
        if (wnd == Maxdatedit_.edit())
            Maxdatedit_.settle();
        else if (wnd == AlleXTage_.edit())
            AlleXTage_.settle();
    }
}

LRESULT TSetupForm::onNotify(const NMHDR& header) {
    if (header.hwndFrom != Einstellungen_ || !ready_) return 0;
    int current = static_cast<int>(SendMessageA(Einstellungen_, TCM_GETCURSEL, 0, 0));
    if (header.code == static_cast<UINT>(TCN_SELCHANGING)) {
        logic_.pageChanging(current);
        return FALSE; // never refuses the switch
    }
    if (header.code == static_cast<UINT>(TCN_SELCHANGE)) showPage(current);
    return 0;
}

LRESULT TSetupForm::onColor(UINT message, HDC dc, HWND wnd) {
    if (wnd == Label7_) {
        SetTextColor(dc, kGrey);
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
    return defaultHandling(message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(wnd));
}

// SetupView --------------------------------------------------------------------------------

int TSetupForm::maxRecordSets() {
    return Maxdatedit_.value();
}
void TSetupForm::setMaxRecordSets(int value) {
    Maxdatedit_.setValue(value);
}
std::string TSetupForm::backupDirectory() {
    return windowText(Edit1_);
}
void TSetupForm::setBackupDirectory(const std::string& text) {
    setWindowText(Edit1_, text);
}
bool TSetupForm::batchFile() {
    return SendMessageA(Batchfile_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}
void TSetupForm::setBatchFile(bool checked) {
    if (checked == batchFile()) return;
    SendMessageA(Batchfile_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    logic_.batchFileClicked(); // a toggle by the program counts as a click
}
std::string TSetupForm::batchName() {
    return windowText(batchname_);
}
void TSetupForm::setBatchName(const std::string& text) {
    setWindowText(batchname_, text);
}
void TSetupForm::setBatchNameEnabled(bool enabled) {
    EnableWindow(batchname_, enabled);
}
bool TSetupForm::logFile() {
    return SendMessageA(logtxt_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}
void TSetupForm::setLogFile(bool checked) {
    if (checked == logFile()) return;
    SendMessageA(logtxt_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    logic_.logFileClicked();
}
std::string TSetupForm::logName() {
    return windowText(logname_);
}
void TSetupForm::setLogName(const std::string& text) {
    setWindowText(logname_, text);
}
void TSetupForm::setLogNameEnabled(bool enabled) {
    EnableWindow(logname_, enabled);
}
int TSetupForm::everyXDays() {
    return AlleXTage_.value();
}
void TSetupForm::setEveryXDays(int value) {
    AlleXTage_.setValue(value);
}
bool TSetupForm::active() {
    return SendMessageA(aktivate_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}
void TSetupForm::setActive(bool checked) {
    if (checked == active()) return;
    SendMessageA(aktivate_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    logic_.changed();
}

std::vector<std::string> TSetupForm::files() {
    int count = static_cast<int>(SendMessageA(recfileslist_, LB_GETCOUNT, 0, 0));
    std::vector<std::string> lines;
    lines.reserve(count > 0 ? static_cast<std::size_t>(count) : 0);
    std::vector<char> buffer;
    for (int i = 0; i < count; ++i) {
        LRESULT length = SendMessageA(recfileslist_, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        if (length < 0) continue;
        buffer.assign(static_cast<std::size_t>(length) + 1, '\0');
        SendMessageA(recfileslist_, LB_GETTEXT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(buffer.data()));
        lines.emplace_back(buffer.data());
    }
    return lines;
}

bool TSetupForm::appendFile(const std::string& path) {
    LRESULT index =
        SendMessageA(recfileslist_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(path.c_str()));
    return index != LB_ERR && index != LB_ERRSPACE;
}

int TSetupForm::selectedFile() {
    return static_cast<int>(SendMessageA(recfileslist_, LB_GETCURSEL, 0, 0));
}

void TSetupForm::removeFile(int index) {
    SendMessageA(recfileslist_, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    SendMessageA(recfileslist_, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

bool TSetupForm::okEnabled() {
    return IsWindowEnabled(ok_) != FALSE;
}

void TSetupForm::setOkEnabled(bool enabled) {
    // A button that loses its enabled state while focused would leave the keyboard nowhere.
    if (!enabled && GetFocus() == ok_) SetFocus(GetNextDlgTabItem(hwnd(), ok_, FALSE));
    EnableWindow(ok_, enabled);
}

void TSetupForm::setDatePanel(const std::string& text) {
    SendMessageA(StatusBar1_, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void TSetupForm::setHint(const std::string& text) {
    if (text == hintText_) return; // every mouse move sets it: spare the flicker
    hintText_ = text;
    SendMessageA(StatusBar1_, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(text.c_str()));
}

void TSetupForm::restartBanner() {
    if (Banner1_) Banner1_->SetScrollPos(0);
}

bool TSetupForm::execute(const std::string& title, std::string& directory) {
    FolderBrowse1_->SetDirectory(directory);
    FolderBrowse1_->SetTitle(title);
    if (!FolderBrowse1_->Execute(hwnd())) return false;
    directory = FolderBrowse1_->Directory();
    return true;
}

} // namespace talvek::ui
