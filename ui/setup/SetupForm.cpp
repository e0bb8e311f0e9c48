#include "ui/setup/SetupForm.h"

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

const std::pair<Control* (*)(TSetupForm&), HintSource> TSetupForm::kHints[] = {
    {&member<&TSetupForm::aktivate_>, HintSource::Active},
    {&member<&TSetupForm::ok_>, HintSource::Ok},
    {&member<&TSetupForm::Cancel_>, HintSource::Cancel},
    {&member<&TSetupForm::add_>, HintSource::Add},
    {&member<&TSetupForm::delete_>, HintSource::Delete},
    {&member<&TSetupForm::recfileslist_>, HintSource::FileList},
    {&member<&TSetupForm::Edit1_>, HintSource::BackupDirectory},
    {&member<&TSetupForm::Browse_>, HintSource::Browse},
    {&member<&TSetupForm::Maxdatedit_>, HintSource::MaxRecordSets},
    {&member<&TSetupForm::MaxdateditArrows_>, HintSource::MaxRecordSets},
    {&member<&TSetupForm::AlleXTage_>, HintSource::EveryXDays},
    {&member<&TSetupForm::AlleXTageArrows_>, HintSource::EveryXDays},
    {&member<&TSetupForm::Batchfile_>, HintSource::BatchFile},
    {&member<&TSetupForm::logtxt_>, HintSource::LogFile},
    {&member<&TSetupForm::recordsetlist_>, HintSource::RecordSetList},
    {&member<&TSetupForm::check_>, HintSource::Check},
    {&member<&TSetupForm::compare_>, HintSource::Compare},
    {&member<&TSetupForm::keep_>, HintSource::Keep},
    {&member<&TSetupForm::protocol_>, HintSource::Protocol},
    {&member<&TSetupForm::restore_>, HintSource::Restore},
    {&member<&TSetupForm::undo_>, HintSource::Undo},
};

TSetupForm::TSetupForm(Win32Platform& platform, ProfileStore& profile)
    : logic_(*this,
             SetupPlatform{profile, platform.registry, platform.questions, platform.openDialog,
                           *this, platform.system, platform.files, platform.clock}),
      recordSets_(*this, profile, platform.system, platform.files, platform.clock,
                  platform.processes, platform.locks) {
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
    platform.questions.setOwner(hwnd());
    platform.openDialog.setOwner(hwnd());
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
    using F = TSetupForm;
    for (const auto& hint : kHints)
        hint.first(*this)->connectMouseMove(this, &F::hintMouseMove);
    // Disabled, the button's mouse moves reach the page: its hint says why it is disabled.
    backupNow_.connectMouseMove(this, &F::backupNowMouseMove);
    places_[kRecordSetsPage]->onMouseMove.connect(this, &F::RecordSetsPageMouseMove);
    places_[kPanel2]->onMouseMove.connect(this, &F::Panel2MouseMove);
    places_[kPanel1]->onMouseMove.connect(this, &F::Panel1MouseMove);
    places_[kAboutPage]->onMouseMove.connect(this, &F::AboutPageMouseMove);
    places_[kAboutPage]->onPaint.connect(this, &F::AboutPagePaint);
    UrlLabel1_.OnMouseMove.connect(this, &F::UrlLabel1MouseMove);
    UrlLabel2_.OnMouseMove.connect(this, &F::UrlLabel2MouseMove);

    ok_.onClick.connect(this, &F::okClick);
    Cancel_.onClick.connect(this, &F::CancelClick);
    add_.onClick.connect(this, &F::addClick);
    delete_.onClick.connect(this, &F::deleteClick);
    Browse_.onClick.connect(this, &F::BrowseClick);
    Batchfile_.onClick.connect(this, &F::BatchfileClick);
    logtxt_.onClick.connect(this, &F::logtxtClick);
    aktivate_.onClick.connect(this, &F::contentChange);
    for (Edit* edit : {&Edit1_, &batchname_, &logname_, &Maxdatedit_, &AlleXTage_})
        edit->onChange.connect(this, &F::contentChange);
    Maxdatedit_.onExit.connect(this, &F::MaxdateditExit);
    AlleXTage_.onExit.connect(this, &F::AlleXTageExit);
    Einstellungen_.onChanging.connect(this, &F::EinstellungenChanging);
    Einstellungen_.onChange.connect(this, &F::EinstellungenChange);
    recordsetlist_.onSelect.connect(this, &F::recordsetlistClick);
    check_.onClick.connect(this, &F::checkClick);
    compare_.onClick.connect(this, &F::compareClick);
    keep_.onClick.connect(this, &F::keepClick);
    protocol_.onClick.connect(this, &F::protocolClick);
    restore_.onClick.connect(this, &F::restoreClick);
    undo_.onClick.connect(this, &F::undoClick);
    backupNow_.onClick.connect(this, &F::backupNowClick);
    Label7_.onColor.connect(this, &F::Label7Color);
}

void TSetupForm::hintMouseMove(Control& sender) {
    for (const auto& hint : kHints)
        if (hint.first(*this) == &sender) logic_.mouseMove(hint.second);
}

void TSetupForm::RecordSetsPageMouseMove(POINT at) {
    RECT r;
    GetWindowRect(backupNow_.hwnd(), &r);
    MapWindowPoints(nullptr, places_[kRecordSetsPage]->hwnd(), reinterpret_cast<POINT*>(&r), 2);
    if (PtInRect(&r, at)) recordSets_.backupNowMouseMove();
}

HBRUSH TSetupForm::Label7Color(HDC dc) {
    SetTextColor(dc, kGrey);
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
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

AppError TSetupForm::MaxdateditExit() {
    maxDat_.settle();
    return AppError();
}

AppError TSetupForm::AlleXTageExit() {
    alleXTage_.settle();
    return AppError();
}

AppError TSetupForm::recordsetlistClick() {
    recordSets_.selectionChange();
    return AppError();
}

AppError TSetupForm::EinstellungenChanging() {
    logic_.pageChanging(currentPage());
    return AppError();
}

AppError TSetupForm::EinstellungenChange() {
    // The sets change with every backup run: the page reads them each time it opens.
    if (currentPage() == Page::RecordSets) recordSets_.refresh();
    showPage(currentPage());
    return AppError();
}

Page TSetupForm::currentPage() const {
    return static_cast<Page>(Einstellungen_.selection());
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
