// The setup dialog's layout: its controls at their pixel positions in tab order, the pages
// and panels they sit in, and the components of the about page.
#include <windows.h>

#include <commctrl.h>

#include "ui/components/Picture.h"
#include "ui/setup/SetupForm.h"
#include "ui/toolkit/Application.h"
#include "ui/toolkit/WindowHelpers.h"

namespace talvek::ui {

namespace {

const int kStatusHeight = 19;
const DWORD kLabel = SS_LEFT | SS_NOTIFY | SS_NOPREFIX; // takes the mouse: no hint over it
const DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
const DWORD kCheckBox = BS_AUTOCHECKBOX | WS_TABSTOP;
const DWORD kEdit = ES_AUTOHSCROLL | WS_TABSTOP;
const DWORD kArrows = UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
const int kFit = kFitText;

using F = TSetupForm;

// The pages and panels. A page takes the area the notebook leaves for it (no size here).
struct PlaceLayout {
    F::Place parent;
    int x, y, width, height;
    Panel::Look look;
    DWORD style, exStyle;
};
const PlaceLayout kPlaces[F::kPlaceCount] = {
    {F::kForm, 0, 0, 0, 0, Panel::Look::Plain, 0, 0}, // the form: made by itself
    {F::kForm, 0, 0, 0, 0, Panel::Look::Plain, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT},
    {F::kForm, 0, 0, 0, 0, Panel::Look::Plain, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT},
    {F::kForm, 0, 0, 0, 0, Panel::Look::Plain, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT},
    // The about page draws its logo below its transparent label, so it keeps its children's
    // area in its own painting.
    {F::kForm, 0, 0, 0, 0, Panel::Look::Plain, 0, WS_EX_CONTROLPARENT},
    {F::kSettingsPage, 2, 8, 455, 113, Panel::Look::RaisedFrame, 0, 0},
    {F::kSettingsPage, 2, 128, 455, 87, Panel::Look::RaisedFrame, 0, 0},
};

} // namespace

// In creation order, which is the keyboard order: the notebook leads, then its pages, then
// aktivate, ok and Cancel. On the settings page the controls come before the panels behind
// them.
const ControlRow<TSetupForm> TSetupForm::kLayout[] = {
    {{"Einstellungen", WC_TABCONTROLA, "", kEinstellungen, 8, 8, 473, 249, WS_TABSTOP, 0, kForm,
      kTabFont},
     &member<&F::Einstellungen_>},
    // Zu sichernde Dateien; keyboard order add, delete, recfileslist.
    {{"Label1", "STATIC", "Diese Dateien sichert Talvek:", kLabel1, 8, 8, 143, 14, kLabel, 0,
      kFilesPage, kPageFont},
     nullptr},
    {{"add", "BUTTON", "Hinzu&fügen", kAdd, 328, 24, 121, 25, kButton, 0, kFilesPage, kPageFont},
     &member<&F::add_>},
    {{"delete", "BUTTON", "Aus &Liste löschen", kDelete, 328, 56, 121, 25, kButton, 0, kFilesPage,
      kPageFont},
     &member<&F::delete_>},
    {{"recfileslist", "LISTBOX", "", kRecfileslist, 8, 24, 313, 185,
      LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP,
      WS_EX_CLIENTEDGE, kFilesPage, kPageFont},
     &member<&F::recfileslist_>},
    // Einstellungen
    {{"Edit1", "EDIT", "", kEdit1, 112, 24, 249, 22, kEdit, WS_EX_CLIENTEDGE, kSettingsPage,
      kPageFont},
     &member<&F::Edit1_>},
    {{"Browse", "BUTTON", "&Suchen...", kBrowse, 376, 24, 73, 22, kButton, 0, kSettingsPage,
      kPageFont},
     &member<&F::Browse_>},
    {{"Maxdatedit", "EDIT", "", kMaxdatedit, 184, 56, 41, 23, kEdit, WS_EX_CLIENTEDGE,
      kSettingsPage, kPageFont},
     &member<&F::Maxdatedit_>},
    {{"MaxdateditArrows", UPDOWN_CLASSA, "", kMaxdateditArrows, 0, 0, 0, 0, kArrows, 0,
      kSettingsPage, kNoFont},
     &member<&F::MaxdateditArrows_>},
    {{"Batchfile", "BUTTON", "Batchdatei für einfaches Wiederherstellen :", kBatchfile, 8, 160, 233,
      17, kCheckBox, 0, kSettingsPage, kPageFont},
     &member<&F::Batchfile_>},
    {{"batchname", "EDIT", "", kBatchname, 240, 156, 129, 22, kEdit, WS_EX_CLIENTEDGE,
      kSettingsPage, kPageFont},
     &member<&F::batchname_>},
    {{"logtxt", "BUTTON", "Protokoll der jeweiligen Sicherung (Details):", kLogtxt, 8, 190, 233, 17,
      kCheckBox, 0, kSettingsPage, kPageFont},
     &member<&F::logtxt_>},
    {{"logname", "EDIT", "", kLogname, 240, 186, 129, 22, kEdit, WS_EX_CLIENTEDGE, kSettingsPage,
      kPageFont},
     &member<&F::logname_>},
    {{"Label2", "STATIC", "Daten sichern in:", kLabel2, 8, 20, kFit, kFit, kLabel, 0, kPanel2,
      kLabelFont},
     nullptr},
    {{"Label3", "STATIC", "Alte Sicherungen löschen nach", kLabel3, 8, 50, kFit, kFit, kLabel, 0,
      kPanel2, kLabelFont},
     nullptr},
    {{"Label4", "STATIC", "neueren Sicherungen.", kLabel4, 232, 50, kFit, kFit, kLabel, 0, kPanel2,
      kLabelFont},
     nullptr},
    {{"Label5", "STATIC", "Alle", kLabel5, 8, 82, kFit, kFit, kLabel, 0, kPanel2, kLabelFont},
     nullptr},
    {{"AlleXTage", "EDIT", "", kAlleXTage, 32, 80, 41, 23, ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
      kPanel2, kPageFont},
     &member<&F::AlleXTage_>},
    {{"AlleXTageArrows", UPDOWN_CLASSA, "", kAlleXTageArrows, 0, 0, 0, 0, kArrows, 0, kPanel2,
      kNoFont},
     &member<&F::AlleXTageArrows_>},
    {{"Label6", "STATIC", "Tage sichern.", kLabel6, 80, 82, kFit, kFit, kLabel, 0, kPanel2,
      kLabelFont},
     nullptr},
    {{"Label8", "STATIC", "Folgende Dateien werden erstellt:", kLabel8, 8, 8, kFit, kFit, kLabel, 0,
      kPanel1, kPageFont},
     nullptr},
    // Datensätze; keyboard order as on the files page: the buttons, then the list.
    {{"Label9", "STATIC", "Diese Datensätze hat Talvek gesichert:", kLabel9, 8, 8, 313, 14, kLabel,
      0, kRecordSetsPage, kPageFont},
     nullptr},
    // Seven buttons beside the list: those that look at a set, those that write its files
    // back, and "Jetzt sichern", each group a little apart.
    {{"check", "BUTTON", "&Prüfen", kCheck, 328, 24, 121, 23, kButton | WS_DISABLED, 0,
      kRecordSetsPage, kPageFont},
     &member<&F::check_>},
    {{"compare", "BUTTON", "&Vergleichen", kCompare, 328, 50, 121, 23, kButton | WS_DISABLED, 0,
      kRecordSetsPage, kPageFont},
     &member<&F::compare_>},
    {{"keep", "BUTTON", "Be&halten", kKeep, 328, 76, 121, 23, kButton | WS_DISABLED, 0,
      kRecordSetsPage, kPageFont},
     &member<&F::keep_>},
    {{"protocol", "BUTTON", "Pro&tokoll", kProtocol, 328, 102, 121, 23, kButton | WS_DISABLED, 0,
      kRecordSetsPage, kPageFont},
     &member<&F::protocol_>},
    {{"restore", "BUTTON", "&Wiederherstellen...", kRestore, 328, 134, 121, 23,
      kButton | WS_DISABLED, 0, kRecordSetsPage, kPageFont},
     &member<&F::restore_>},
    {{"undo", "BUTTON", "&Rückgängig", kUndo, 328, 160, 121, 23, kButton | WS_DISABLED, 0,
      kRecordSetsPage, kPageFont},
     &member<&F::undo_>},
    {{"backupNow", "BUTTON", "&Jetzt sichern", kBackupNow, 328, 186, 121, 23, kButton | WS_DISABLED,
      0, kRecordSetsPage, kPageFont},
     &member<&F::backupNow_>},
    {{"recordsetlist", "LISTBOX", "", kRecordsetlist, 8, 24, 313, 185,
      LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS | LBS_USETABSTOPS | WS_VSCROLL |
          WS_TABSTOP,
      WS_EX_CLIENTEDGE, kRecordSetsPage, kPageFont},
     &member<&F::recordsetlist_>},
    // Über Talvek: the components follow in createComponents.
    {{"Label7", "STATIC", setup::kVersionLabel, kLabel7, 444, 0, 16, 10, kLabel, 0, kAboutPage,
      kVersionFont},
     &member<&F::Label7_>},
    // Below the notebook.
    {{"aktivate", "BUTTON", "Talvek &aktivieren.", kAktivate, 16, 268, 137, 17, kCheckBox, 0, kForm,
      kFormFont},
     &member<&F::aktivate_>},
    {{"ok", "BUTTON", "Ü&bernehmen", kOk, 376, 264, 105, 25, kButton, 0, kForm, kFormFont},
     &member<&F::ok_>},
    {{"Cancel", "BUTTON", "&Ende", kCancel, 256, 264, 105, 25, kButton, 0, kForm, kFormFont},
     &member<&F::Cancel_>},
    {{"StatusBar1", STATUSCLASSNAMEA, "", kStatusBar1, 0, kClientHeight - kStatusHeight,
      kClientWidth, kStatusHeight, CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER, 0, kForm,
      kFormFont},
     &member<&F::StatusBar1_>},
};

AppError TSetupForm::createControls() {
    fonts_[kFormFont] = makeFont("MS Sans Serif", 11);
    fonts_[kTabFont] = makeFont("MS Sans Serif", 13);
    fonts_[kPageFont] = makeFont("Arial", 11);
    fonts_[kLabelFont] = makeFont("Arial", 12);
    fonts_[kVersionFont] = makeFont("Arial", 8);
    logo_ = loadPackedPicture(Application::instance().hinstance(), "LOGO");

    TALVEK_TRY(Form::createControls(kLayout, fonts_, WS_VISIBLE | WS_CLIPSIBLINGS));
    recfileslist_.setItemHeight(14);
    recordsetlist_.setItemHeight(14);
    // Columns: date, files, kept, last check.
    const int tabs[3] = {40, 90, 130};
    recordsetlist_.setTabStops(tabs, 3);
    maxDat_.bind();
    alleXTage_.bind();
    // The date panel holds its widest text; the hint panel follows it.
    const int panels[2] = {StatusBar1_.panelWidth(setup::kWidestDatePanel), -1};
    StatusBar1_.setPanels(panels, 2);
    StatusBar1_.setPanelText(0, "Talvek 95");
    StatusBar1_.setPanelText(1, "");
    return createComponents(places_[kAboutPage]->hwnd());
}

AppError TSetupForm::setUpNotebook() {
    for (int i = 0; i < setup::kPageCount; ++i)
        Einstellungen_.addTab(i, setup::kPageCaptions[i]);
    const RECT whole{0, 0, 473, 249};
    pageArea_ = Einstellungen_.pageArea(whole);
    // The pages are the window's own children right behind the notebook: so the keyboard
    // goes from the tabs into the page shown. The notebook leaves a hole where they lie.
    GdiObject<HRGN> outline(CreateRectRgn(whole.left, whole.top, whole.right, whole.bottom));
    GdiObject<HRGN> hole(
        CreateRectRgn(pageArea_.left, pageArea_.top, pageArea_.right, pageArea_.bottom));
    if (!outline || !hole) return AppError("Bereich für Einstellungen kann nicht erzeugt werden");
    CombineRgn(outline.get(), outline.get(), hole.get(), RGN_DIFF);
    // The window owns the region once it has taken it.
    if (SetWindowRgn(Einstellungen_.hwnd(), outline.get(), FALSE)) outline.release();
    return AppError();
}

AppError TSetupForm::parentFor(int place, HWND& parent) {
    if (place == kForm) {
        parent = hwnd();
        return AppError();
    }
    if (!places_[place]) {
        // The pages take the area the notebook leaves, known once the notebook has its tabs.
        if (!places_[kFilesPage]) TALVEK_TRY(setUpNotebook());
        TALVEK_TRY(createPlace(static_cast<Place>(place)));
    }
    parent = places_[place]->hwnd();
    return AppError();
}

AppError TSetupForm::createPlace(Place place) {
    const PlaceLayout& layout = kPlaces[place];
    HWND parent = layout.parent == kForm ? hwnd() : places_[layout.parent]->hwnd();
    const bool page = layout.width == 0;
    // The form's position of the notebook is 8, 8.
    const int x = page ? 8 + pageArea_.left : layout.x, y = page ? 8 + pageArea_.top : layout.y;
    const int width = page ? pageArea_.right - pageArea_.left : layout.width;
    const int height = page ? pageArea_.bottom - pageArea_.top : layout.height;
    places_[place] = std::make_unique<Panel>(layout.look);
    return places_[place]->createIn(parent, x, y, width, height, layout.style, layout.exStyle);
}

AppError TSetupForm::createComponents(HWND page) {
    TALVEK_TRY(Banner1_.Load([this] {
        Banner1_.SetWidth(217);
        Banner1_.SetHeight(57);
        Banner1_.SetColor(clBlack);
        TFontSpec bannerFont;
        bannerFont.name = "Arial";
        bannerFont.height = 11;
        bannerFont.color = clGray;
        Banner1_.SetFont(bannerFont);
        TALVEK_TRY(Banner1_.SetLinesAlign(TAlignment::taLeftJustify));
        Banner1_.SetScrollDirection(TScrollDirection::sdBottomToTop);
        TALVEK_TRY(Banner1_.SetScrollInterval(100));
        Banner1_.SetScrollPixels(1);
        return Banner1_.SetLines(setup::creditLines());
    }));
    TFontSpec linkFont;
    linkFont.name = "MS Sans Serif";
    linkFont.height = 11;
    linkFont.color = clGray;
    linkFont.underline = true;
    for (TUrlLabel* link : {&UrlLabel1_, &UrlLabel2_}) {
        link->SetFont(linkFont);
        link->SetColor(clBlack);
    }
    UrlLabel1_.SetCaption(setup::mailCaption());
    UrlLabel1_.SetURL(setup::mailUrl());
    UrlLabel2_.SetCaption(setup::homepageCaption());
    UrlLabel2_.SetURL(setup::kHomepageUrl);
    TALVEK_TRY(UrlLabel1_.CreateIn(page, 246, 92, 150, 13, kUrlLabel1));
    TALVEK_TRY(UrlLabel2_.CreateIn(page, 246, 108, 211, 13, kUrlLabel2));
    return Banner1_.CreateIn(page, 244, 136, 217, 57, kBanner1);
}

void TSetupForm::paintLogo(HDC dc) {
    RECT r;
    GetClientRect(places_[kAboutPage]->hwnd(), &r);
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    if (!logo_) return;
    MemoryDC memory(CreateCompatibleDC(dc));
    SelectGuard select(memory.get(), logo_.get());
    BitBlt(dc, 0, 0, 465, 217, memory.get(), 0, 0, SRCCOPY);
}

} // namespace talvek::ui
