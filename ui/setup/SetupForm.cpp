#include "ui/setup/SetupForm.h"

#include <commctrl.h>

#include "ui/components/Banner.h"
#include "ui/components/FBrowse.h"
#include "ui/components/UrlLabel.h"
#include "ui/toolkit/Application.h"
#include "ui/toolkit/WindowHelpers.h"

namespace talvek::ui {

using setup::HintSource;
using setup::Page;

namespace {

const char* const kClassName = "TSetupForm";
const COLORREF kGrey = RGB(128, 128, 128);
// The load runs as a message of the window, so that its error box comes from the one place
// that shows the errors of handlers.
const UINT kLoadMessage = WM_APP + 1;

} // namespace

const std::pair<Control TSetupForm::*, HintSource> TSetupForm::kHints[] = {
    {&TSetupForm::aktivate_, HintSource::Active},
    {&TSetupForm::ok_, HintSource::Ok},
    {&TSetupForm::Cancel_, HintSource::Cancel},
    {&TSetupForm::add_, HintSource::Add},
    {&TSetupForm::delete_, HintSource::Delete},
    {&TSetupForm::recfileslist_, HintSource::FileList},
    {&TSetupForm::Edit1_, HintSource::BackupDirectory},
    {&TSetupForm::Browse_, HintSource::Browse},
    {&TSetupForm::Maxdatedit_, HintSource::MaxRecordSets},
    {&TSetupForm::MaxdateditArrows_, HintSource::MaxRecordSets},
    {&TSetupForm::AlleXTage_, HintSource::EveryXDays},
    {&TSetupForm::AlleXTageArrows_, HintSource::EveryXDays},
    {&TSetupForm::Batchfile_, HintSource::BatchFile},
    {&TSetupForm::logtxt_, HintSource::LogFile},
    {&TSetupForm::recordsetlist_, HintSource::RecordSetList},
    {&TSetupForm::check_, HintSource::Check},
    {&TSetupForm::compare_, HintSource::Compare},
    {&TSetupForm::keep_, HintSource::Keep},
    {&TSetupForm::protocol_, HintSource::Protocol},
    {&TSetupForm::restore_, HintSource::Restore},
    {&TSetupForm::undo_, HintSource::Undo},
};

TSetupForm::TSetupForm()
    : logic_(*this,
             SetupPlatform{profile_, registry_, questions_, openDialog_, *this, system_, clock_}),
      shell_([] { return Application::instance().handle(); }),
      processes_([](KernelHandle process, std::function<void()> ended) {
          Application::instance().watch(std::move(process), std::move(ended));
      }),
      recordSets_(*this, profile_, system_, files_, shell_, clock_, processes_) {
    Application& app = Application::instance();
    registerClass(kClassName, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                  LoadIconA(app.hinstance(), MAKEINTRESOURCEA(1)));
    creationError_ =
        create(WS_EX_CONTROLPARENT, kClassName, setup::kCaption,
               WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, 0, 0,
               kClientWidth, kClientHeight, nullptr);
    if (creationError_) return;
    setClientSize(hwnd(), kClientWidth, kClientHeight);
    centreWindow(hwnd(), nullptr);
    app.setMainWindow(hwnd());
    questions_.setOwner(hwnd());
    openDialog_.setOwner(hwnd());
    creationError_ = createControls();
    if (creationError_) return;
    showPage(Page::Files);
    connectHandlers();
    SendMessageA(hwnd(), kLoadMessage, 0, 0);
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    SetFocus(Einstellungen_.hwnd());
}

TSetupForm::~TSetupForm() = default;

void TSetupForm::connectHandlers() {
    for (const auto& hint : kHints)
        (this->*hint.first).setOnMouseMove([this, source = hint.second] {
            logic_.mouseMove(source);
        });
    places_[kPanel2]->onMouseMove = [this](POINT) { logic_.mouseMove(HintSource::Panel2); };
    places_[kPanel1]->onMouseMove = [this](POINT) { logic_.mouseMove(HintSource::Panel1); };
    places_[kAboutPage]->onMouseMove = [this](POINT) { logic_.mouseMove(HintSource::Logo); };
    // Disabled, the button's mouse moves reach the page: its hint says why it is disabled.
    backupNow_.setOnMouseMove([this] { recordSets_.backupNowMouseMove(); });
    places_[kRecordSetsPage]->onMouseMove = [this](POINT at) {
        RECT r;
        GetWindowRect(backupNow_.hwnd(), &r);
        MapWindowPoints(nullptr, places_[kRecordSetsPage]->hwnd(), reinterpret_cast<POINT*>(&r), 2);
        if (PtInRect(&r, at)) recordSets_.backupNowMouseMove();
    };
    places_[kAboutPage]->onPaint = [this](HDC dc) { paintLogo(dc); };
    UrlLabel1_->OnMouseMove = [this](TComponent&, int, int) {
        logic_.mouseMove(HintSource::MailLink);
    };
    UrlLabel2_->OnMouseMove = [this](TComponent&, int, int) {
        logic_.mouseMove(HintSource::HomepageLink);
    };

    ok_.onClick = [this] { return okClick(); };
    Cancel_.onClick = [this] { return CancelClick(); };
    add_.onClick = [this] { return addClick(); };
    delete_.onClick = [this] { return deleteClick(); };
    Browse_.onClick = [this] { return BrowseClick(); };
    Batchfile_.onClick = [this] { return BatchfileClick(); };
    logtxt_.onClick = [this] { return logtxtClick(); };
    aktivate_.onClick = [this] { return contentChange(); };
    for (Control* edit : {&Edit1_, &batchname_, &logname_, &Maxdatedit_, &AlleXTage_})
        edit->onChange = [this] { return contentChange(); };
    Maxdatedit_.onExit = [this] {
        maxDat_.settle();
        return AppError();
    };
    AlleXTage_.onExit = [this] {
        alleXTage_.settle();
        return AppError();
    };
    Einstellungen_.onNotify = [this](UINT code) { return EinstellungenChange(code); };
    recordsetlist_.onSelect = [this] {
        recordSets_.selectionChange();
        return AppError();
    };
    check_.onClick = [this] { return recordSets_.checkClick(); };
    compare_.onClick = [this] { return recordSets_.compareClick(); };
    keep_.onClick = [this] { return recordSets_.keepClick(); };
    protocol_.onClick = [this] { return recordSets_.protocolClick(); };
    restore_.onClick = [this] { return recordSets_.restoreClick(); };
    undo_.onClick = [this] { return recordSets_.undoClick(); };
    backupNow_.onClick = [this] { return recordSets_.backupNowClick(); };
    Label7_.onColor = [](HDC dc) {
        SetTextColor(dc, kGrey);
        SetBkMode(dc, TRANSPARENT);
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    };
}

AppError TSetupForm::CancelClick() {
    PostMessageA(hwnd(), WM_CLOSE, 0, 0);
    return AppError();
}

AppError TSetupForm::deleteClick() {
    logic_.deleteFile();
    return AppError();
}

AppError TSetupForm::BrowseClick() {
    logic_.browse();
    return AppError();
}

AppError TSetupForm::BatchfileClick() {
    logic_.batchFileClicked();
    return AppError();
}

AppError TSetupForm::logtxtClick() {
    logic_.logFileClicked();
    return AppError();
}

AppError TSetupForm::contentChange() {
    logic_.changed();
    return AppError();
}

AppError TSetupForm::EinstellungenChange(UINT code) {
    // TCN_SELCHANGING is answered 0: the switch is never refused.
    if (code == static_cast<UINT>(TCN_SELCHANGING)) logic_.pageChanging(currentPage());
    if (code == static_cast<UINT>(TCN_SELCHANGE)) {
        // The sets change with every backup run: the page reads them each time it opens.
        if (currentPage() == Page::RecordSets) recordSets_.refresh();
        showPage(currentPage());
    }
    return AppError();
}

Page TSetupForm::currentPage() const {
    return static_cast<Page>(Einstellungen_.send(TCM_GETCURSEL));
}

void TSetupForm::showPage(Page shown) {
    for (Page page : {Page::Files, Page::Settings, Page::RecordSets, Page::About})
        ShowWindow(places_[kFilesPage + static_cast<int>(page)]->hwnd(),
                   page == shown ? SW_SHOW : SW_HIDE);
    SetWindowPos(places_[kFilesPage + static_cast<int>(shown)]->hwnd(), Einstellungen_.hwnd(), 0, 0,
                 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

Reply TSetupForm::onActivate(WPARAM wParam) {
    // Like a dialog box: the control that had the keyboard gets it back on return.
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd(), focus)) lastFocus_ = focus;
    } else if (!HIWORD(wParam)) {
        SetFocus(lastFocus_ && IsWindow(lastFocus_) && IsWindowEnabled(lastFocus_)
                     ? lastFocus_
                     : Einstellungen_.hwnd());
    }
    return 0;
}

Reply TSetupForm::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kLoadMessage:
        return FormCreate();
    case WM_MOUSEMOVE:
        logic_.mouseMove(HintSource::Form);
        return 0;
    case WM_ACTIVATE:
        return onActivate(wParam);
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

} // namespace talvek::ui
