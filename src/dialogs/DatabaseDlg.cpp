#include "dialogs/DatabaseDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/display.h>
#include <wx/msgdlg.h>
#include <wx/radiobut.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/valgen.h>
#include <wx/wrapsizer.h>

#include <algorithm>
#include <limits>

#include "dialogs/ItemPropertiesDlg.h"
#include "dialogs/ItemTitleDlg.h"
#include "dialogs/MaxLengthValidator.h"
#include "dialogs/PrintTransposeDlg.h"
#include "dialogs/SongFilesCommands.h"
#include "doc/CommandIds.h"
#include "doc/VersiluxDoc.h"
#include "odbc/DBException.h"
#include "text/LineEnds.h"
#include "text/PlaceChords.h"
#include "text/RemoveMarkup.h"
#include "text/Symbols.h"
#include "view/VersiluxView.h"

namespace {

const char* const kCaption = "Versilux";
constexpr size_t kNoLimit = std::numeric_limits<size_t>::max();
// The buttons that act on a loaded item.
const int kItemButtons[] = {wxID_CANCEL,     ID_DB_PROPERTIES, ID_DB_PREVIEW,
                            ID_DB_PRINTABLE, ID_DB_DELETE,     ID_DB_SHOW_SEQ};

// A flag caption from the configuration as a label: an ampersand is text.
wxString AsLabel(const wxString& strCaption) {
    wxString label = strCaption;
    label.Replace("&", "&&");
    return label;
}

bool Ask(wxWindow* pParent, const wxString& strQuestion, long nStyle = wxYES_NO) {
    return wxMessageBox(strQuestion, kCaption, nStyle | wxICON_QUESTION, pParent) == wxYES;
}

}  // namespace

// ---- the editor ----

CDatabaseDlg::CDatabaseDlg(wxWindow* pParent, CVersiluxDoc* pDoc)
    : wxDialog(pParent, wxID_ANY, "Database", wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      m_pDoc(pDoc) {
    // Creation order is the tab order: the kinds, the list, the texts, the
    // buttons, the flags and the file.
    auto* kinds = new wxBoxSizer(wxVERTICAL);
    kinds->Add(new wxStaticText(this, wxID_ANY, "Filter:"), 0, wxBOTTOM, FromDIP(4));
    // A radio group always has one radio checked: a hidden one stands for
    // "no kind chosen yet".
    m_pNoKind =
        new wxRadioButton(this, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
    m_pNoKind->Hide();
    static const char* const kKindLabels[kKindCount] = {"&All",     "&Titles", "S&ongs",
                                                        "&Liturgy", "&Chords", "&Pictures"};
    for (int n = 0; n < kKindCount; ++n) {
        m_kinds[n] = new wxRadioButton(this, wxID_ANY, kKindLabels[n]);
        m_kinds[n]->Bind(wxEVT_RADIOBUTTON, &CDatabaseDlg::OnKind, this);
        kinds->Add(m_kinds[n], 0, wxBOTTOM, FromDIP(2));
    }
    m_pNoKind->SetValue(true);

    m_pList = new CItemListCtrl(this);
    m_pList->SetMinSize(FromDIP(wxSize(220, 300)));
    m_pList->Bind(wxEVT_LIST_ITEM_SELECTED, &CDatabaseDlg::OnSelect, this);

    // Lines stay whole (scrolling sideways), so chords stay over their words.
    const long nMulti = wxTE_MULTILINE | wxHSCROLL;
    m_pHeading1 = new wxTextCtrl(this, wxID_ANY);
    m_pHeading1->SetToolTip("Heading 1");
    m_pField1 =
        new wxTextCtrl(this, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize, nMulti);
    m_pField1->SetToolTip("Text 1");
    m_pHeading2 = new wxTextCtrl(this, wxID_ANY);
    m_pHeading2->SetToolTip("Heading 2");
    m_pField2 =
        new wxTextCtrl(this, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize, nMulti);
    m_pField2->SetToolTip("Text 2");
    m_pHeading1->SetValidator(CMaxLengthValidator(&m_strHeading1, kMaxHeading));
    m_pHeading2->SetValidator(CMaxLengthValidator(&m_strHeading2, kMaxHeading));
    m_pField1->SetValidator(CMaxLengthValidator(&m_strField1, kNoLimit));
    m_pField2->SetValidator(CMaxLengthValidator(&m_strField2, kNoLimit));
    for (wxTextCtrl* text : {m_pField1, m_pField2}) {
        text->SetMinSize(FromDIP(wxSize(300, 300)));
    }

    auto* texts = new wxFlexGridSizer(2, 2, FromDIP(4), FromDIP(8));
    texts->AddGrowableCol(0, 1);
    texts->AddGrowableCol(1, 1);
    texts->AddGrowableRow(1, 1);
    texts->Add(m_pHeading1, 0, wxEXPAND);
    texts->Add(m_pHeading2, 0, wxEXPAND);
    texts->Add(m_pField1, 1, wxEXPAND);
    texts->Add(m_pField2, 1, wxEXPAND);

    auto* upper = new wxBoxSizer(wxHORIZONTAL);
    upper->Add(kinds, 0, wxRIGHT, FromDIP(8));
    upper->Add(m_pList, 0, wxEXPAND | wxRIGHT, FromDIP(8));
    upper->Add(texts, 1, wxEXPAND);

    // The buttons wrap onto a second row on a narrow screen.
    auto* buttons = new wxWrapSizer(wxHORIZONTAL);
    AddButton(buttons, wxID_OK, "&Done");
    AddButton(buttons, wxID_CANCEL, "&Save");  // Escape and close ask to save
    AddButton(buttons, ID_DB_NEW, "&New");
    AddButton(buttons, ID_DB_PROPERTIES, "P&roperties");
    AddButton(buttons, ID_DB_PREVIEW, "Pre&view");
    AddButton(buttons, ID_DB_PRINTABLE, "Printa&ble");
    AddButton(buttons, ID_DB_DELETE, "D&elete");
    AddButton(buttons, ID_DB_SHOW_SEQ, "Show Se&q");
    AddButton(buttons, ID_DB_REMOVE_SYM, "Re&move Sym");
    AddButton(buttons, ID_DB_SYMBOLS, "S&ymbols");
    AddButton(buttons, ID_DB_INSERT, "&Insert");
    m_pSymbol = new wxTextCtrl(this, wxID_ANY, wxString(), wxDefaultPosition,
                               FromDIP(wxSize(60, -1)), wxTE_READONLY);
    m_pSymbol->Disable();
    buttons->Add(m_pSymbol, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, FromDIP(4));
    AddButton(buttons, ID_DB_PLACE_CHORDS, "Place C&hords");
    AddButton(buttons, ID_DB_EXPORT, "E&xport...");

    auto* lower = new wxBoxSizer(wxHORIZONTAL);
    const wxString captions[4] = {m_pDoc->GetFlagCaption1(), m_pDoc->GetFlagCaption2(),
                                  m_pDoc->GetFlagCaption3(), m_pDoc->GetFlagCaption4()};
    for (int n = 0; n < 4; ++n) {
        m_flagBoxes[n] = new wxCheckBox(this, wxID_ANY, AsLabel(captions[n]), wxDefaultPosition,
                                        wxDefaultSize, 0, wxGenericValidator(&m_flags[n]));
        m_flagBoxes[n]->Bind(wxEVT_CHECKBOX, &CDatabaseDlg::OnEdited, this);
        lower->Add(m_flagBoxes[n], 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, FromDIP(12));
    }
    lower->Add(new wxStaticText(this, wxID_ANY, "&File"), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT,
               FromDIP(4));
    m_pFileName = new wxTextCtrl(this, wxID_ANY);
    m_pFileName->SetValidator(CMaxLengthValidator(&m_strFileName, kMaxFileName));
    lower->Add(m_pFileName, 1, wxALIGN_CENTER_VERTICAL | wxRIGHT, FromDIP(12));
    m_pFixedWidth = new wxCheckBox(this, wxID_ANY, "Fixed &width");
    m_pFixedWidth->SetToolTip("Show the texts in a fixed-width font, so chords line up");
    m_pFixedWidth->Bind(wxEVT_CHECKBOX,
                        [this](wxCommandEvent&) { UseFixedWidth(m_pFixedWidth->GetValue()); });
    lower->Add(m_pFixedWidth, 0, wxALIGN_CENTER_VERTICAL);

    for (wxTextCtrl* text : {m_pHeading1, m_pField1, m_pHeading2, m_pField2, m_pFileName}) {
        text->Bind(wxEVT_TEXT, &CDatabaseDlg::OnEdited, this);
    }

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(upper, 1, wxEXPAND | wxALL, FromDIP(10));
    top->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT, FromDIP(10));
    top->Add(lower, 0, wxEXPAND | wxALL, FromDIP(10));
    SetSizerAndFit(top);
    // Songs read better in big boxes: three quarters of the screen, or what
    // the controls need on a small one.
    const wxRect area = wxDisplay(this).GetClientArea();
    SetSize(wxSize(std::min(area.width, std::max(GetSize().x, area.width * 3 / 4)),
                   std::min(area.height, std::max(GetSize().y, area.height * 3 / 4))));
    CentreOnScreen();
    SetAffirmativeId(wxID_OK);
    SetEscapeId(wxID_CANCEL);
    SetDefaultItem(GetButton(wxID_OK));

    // Enter in a one-line box is Done (the default button); in the texts
    // it starts a new line.
    Bind(wxEVT_CHAR_HOOK, &CDatabaseDlg::OnCharHook, this);
    Bind(wxEVT_BUTTON, &CDatabaseDlg::OnDone, this, wxID_OK);
    Bind(wxEVT_BUTTON, &CDatabaseDlg::OnSaveOrEscape, this, wxID_CANCEL);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { NewItem(); }, ID_DB_NEW);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { EditProperties(); }, ID_DB_PROPERTIES);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { DeleteItem(); }, ID_DB_DELETE);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { ShowUsage(); }, ID_DB_SHOW_SEQ);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Preview(); }, ID_DB_PREVIEW);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Printable(); }, ID_DB_PRINTABLE);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { RemoveSymbols(); }, ID_DB_REMOVE_SYM);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { CollectSymbols(); }, ID_DB_SYMBOLS);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { InsertSymbol(); }, ID_DB_INSERT);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { PlaceChords(); }, ID_DB_PLACE_CHORDS);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { ExportSongs(); }, ID_DB_EXPORT);
    // A preview show ends by itself at its end: Preview is offered again then.
    Bind(
        wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) { event.Enable(CanPreview()); },
        ID_DB_PREVIEW);

    // Nothing is listed or loaded until a kind is chosen.
    for (wxWindow* window : {static_cast<wxWindow*>(m_pHeading1), static_cast<wxWindow*>(m_pField1),
                             static_cast<wxWindow*>(m_pHeading2), static_cast<wxWindow*>(m_pField2),
                             static_cast<wxWindow*>(m_pFileName)}) {
        window->Disable();
    }
    DisableButtons(kItemButtons);
    m_kinds[kKindAll]->SetFocus();
}

wxButton* CDatabaseDlg::AddButton(wxSizer* pSizer, int nId, const wxString& strLabel) {
    auto* button = new wxButton(this, nId, strLabel);
    pSizer->Add(button, 0, wxRIGHT | wxBOTTOM, FromDIP(4));
    m_buttons.push_back(button);
    return button;
}

wxButton* CDatabaseDlg::GetButton(int nId) const {
    for (wxButton* button : m_buttons) {
        if (button->GetId() == nId) {
            return button;
        }
    }
    return nullptr;
}

void CDatabaseDlg::DisableButtons(std::span<const int> ids) {
    for (int nId : ids) {
        GetButton(nId)->Disable();
    }
}

CItemEditTexts CDatabaseDlg::BoxTexts() const {
    return {m_strHeading1, m_strField1, m_strHeading2, m_strField2, m_strFileName, m_flags};
}

void CDatabaseDlg::SetBoxTexts(const CItemEditTexts& texts) {
    m_strHeading1 = texts.strHeading1;
    m_strField1 = texts.strField1;
    m_strHeading2 = texts.strHeading2;
    m_strField2 = texts.strField2;
    m_strFileName = texts.strFileName;
    m_flags = texts.flags;
    TransferDataToWindow();
}

void CDatabaseDlg::ShowError(const wxString& strMessage) {
    wxMessageBox(strMessage, kCaption, wxOK | wxICON_ERROR, this);
}

void CDatabaseDlg::UseFixedWidth(bool bFixed) {
    m_pFixedWidth->SetValue(bFixed);
    const wxFont font =
        bFixed ? wxFont(wxFontInfo(GetFont().GetPointSize()).Family(wxFONTFAMILY_TELETYPE))
               : wxNullFont;
    for (wxTextCtrl* text : {m_pField1, m_pField2}) {
        text->SetFont(font.IsOk() ? font : GetFont());
    }
}

// ---- listing and loading ----

void CDatabaseDlg::OnKind(wxCommandEvent& event) {
    for (int n = 0; n < kKindCount; ++n) {
        if (event.GetEventObject() == m_kinds[n]) {
            ChooseKind(n);
        }
    }
}

void CDatabaseDlg::ChooseKind(int nTypeFilter) {
    if (!OfferToSave()) {
        // The edits stay, and so does the list they belong to.
        (m_nTypeFilter == kNoKind ? m_pNoKind : m_kinds[m_nTypeFilter])->SetValue(true);
        return;
    }
    m_kinds[nTypeFilter]->SetValue(true);
    m_nTypeFilter = nTypeFilter;
    if (nTypeFilter == kKindChords) {
        UseFixedWidth(true);
    }
    LoadItemList();
}

void CDatabaseDlg::ReadList() {
    std::vector<CListedItem> items;
    try {
        items = m_pDoc->ListItems(m_nTypeFilter);
    } catch (const CDBException& e) {
        ShowError(e.GetErrorMessage());
    }
    m_pList->SetItems(std::move(items));
}

void CDatabaseDlg::LoadItemList() {
    ReadList();
    ClearLoadedItem();
}

void CDatabaseDlg::ClearLoadedItem() {
    // A box typed into now feeds New; with no item loaded there is nothing
    // to save into, so Save stays off.
    m_nItemID = -1;
    SetBoxTexts({});
    DisableButtons(kItemButtons);
}

void CDatabaseDlg::OnSelect(wxListEvent& /*event*/) {
    // Another item would replace the edited texts: they are offered for
    // saving first, and kept (the old entry selected again) when that fails.
    const long nLoaded = IsItemLoaded() ? m_pList->FindItemID(m_nItemID) : -1;
    if (nLoaded >= 0 && nLoaded != m_pList->GetSelection() && !OfferToSave()) {
        m_pList->SelectQuietly(nLoaded);
        return;
    }
    ShowSelectedItem();
}

void CDatabaseDlg::ShowSelectedItem() {
    const long nIndex = m_pList->GetSelection();
    if (nIndex < 0) {
        return;
    }
    const int nID = m_pList->GetItems()[static_cast<size_t>(nIndex)].nID;
    try {
        // The items changed underneath the list: show them as they are.
        if (!m_pDoc->MoveToListedItem(static_cast<int>(nIndex), nID) && !RelistAt(nID)) {
            ClearLoadedItem();
            return;
        }
    } catch (const CDBException& e) {
        ShowError(e.GetErrorMessage());
        return;
    }
    m_nItemID = nID;
    SetBoxTexts(m_pDoc->CurrentItemTexts());
    const int nType = m_pDoc->m_pItemsSet->m_Type;
    const CItemTextsUsed used = TextsUsedByType(nType);
    m_pHeading1->Enable(used.bHeading1);
    m_pField1->Enable(used.bField1);
    m_pHeading2->Enable(used.bHeading2);
    m_pField2->Enable(used.bField2);
    if (m_pDoc->m_pItemsSet->m_Subtype == 3) {
        UseFixedWidth(true);
    }
    m_pFileName->Enable();
    for (int nId : {ID_DB_PROPERTIES, ID_DB_DELETE, ID_DB_SHOW_SEQ}) {
        GetButton(nId)->Enable();
    }
    GetButton(ID_DB_PREVIEW)->Enable(CanPreview());
    GetButton(ID_DB_PRINTABLE)->Enable(IsPrintableType(nType));
    GetButton(wxID_CANCEL)->Disable();
}

void CDatabaseDlg::OnEdited(wxCommandEvent& event) {
    MarkEdited();
    event.Skip();
}

void CDatabaseDlg::MarkEdited() {
    if (IsItemLoaded()) {
        GetButton(wxID_CANCEL)->Enable();
    }
}

bool CDatabaseDlg::MoveToLoadedItem() {
    const long nIndex = m_pList->FindItemID(m_nItemID);
    try {
        if (nIndex >= 0 && m_pDoc->MoveToListedItem(static_cast<int>(nIndex), m_nItemID)) {
            return true;
        }
    } catch (const CDBException& e) {
        ShowError(e.GetErrorMessage());
    }
    RelistKeepingBoxes();
    return m_pList->GetSelection() >= 0;
}

bool CDatabaseDlg::RelistAt(int nID) {
    ReadList();
    const long nIndex = m_pList->FindItemID(nID);
    if (nIndex < 0) {
        return false;
    }
    m_pList->SelectQuietly(nIndex);
    try {
        if (m_pDoc->MoveToListedItem(static_cast<int>(nIndex), nID)) {
            return true;
        }
    } catch (const CDBException& e) {
        ShowError(e.GetErrorMessage());
    }
    m_pList->SelectQuietly(-1);
    return false;
}

void CDatabaseDlg::RelistKeepingBoxes() {
    if (!RelistAt(m_nItemID)) {
        // The item is gone: what was typed stays in the boxes for New.
        m_nItemID = -1;
        DisableButtons(kItemButtons);
    }
}

// ---- writing ----

void CDatabaseDlg::OnCharHook(wxKeyEvent& event) {
    // With nothing edited there is nothing to ask about: Escape ends the
    // editor like Done (the close box then ends it too). With edits, Escape
    // presses Save, which asks first.
    if (event.GetKeyCode() == WXK_ESCAPE && !HasUnsavedEdits()) {
        wxCommandEvent done(wxEVT_BUTTON, wxID_OK);
        OnDone(done);
        return;
    }
    event.Skip();
}

void CDatabaseDlg::OnSaveOrEscape(wxCommandEvent& /*event*/) {
    SaveItem();
}

void CDatabaseDlg::OnDone(wxCommandEvent& /*event*/) {
    EndAsDone();
}

bool CDatabaseDlg::EndAsDone() {
    if (OfferToSave() && Validate() && TransferDataFromWindow()) {
        EndDialog(wxID_OK);
        return true;
    }
    return false;
}

void CDatabaseDlg::SaveItem() {
    SaveLoadedItem();
}

bool CDatabaseDlg::HasUnsavedEdits() const {
    return GetButton(wxID_CANCEL)->IsEnabled();
}

bool CDatabaseDlg::OfferToSave() {
    return !HasUnsavedEdits() || SaveLoadedItem() != SaveOutcome::Failed;
}

CDatabaseDlg::SaveOutcome CDatabaseDlg::SaveLoadedItem() {
    const CItemsSet& row = *m_pDoc->m_pItemsSet;
    const bool bOnRow = row.IsOpen() && !row.IsEOF() && !row.IsBOF();
    if (!Ask(this, "Save edited item as " + (bOnRow ? row.m_Title : wxString()) + "?")) {
        return SaveOutcome::Declined;
    }
    if (!bOnRow || row.m_ID != m_nItemID) {
        ShowError(
            "Sorry - I could not find the correct record to save into. Please re-load the items");
        return SaveOutcome::Failed;
    }
    if (!Validate() || !TransferDataFromWindow()) {
        return SaveOutcome::Failed;
    }
    try {
        m_pDoc->SaveCurrentItem(BoxTexts());
    } catch (const CDBException& e) {
        // The store refused or the row is gone: the boxes keep what was
        // typed, the list shows what the store holds.
        ShowError(e.GetErrorMessage());
        RelistKeepingBoxes();
        return SaveOutcome::Failed;
    }
    GetButton(wxID_CANCEL)->Disable();
    return SaveOutcome::Saved;
}

void CDatabaseDlg::NewItem() {
    if (!Validate() || !TransferDataFromWindow()) {
        return;
    }
    if (!Ask(this, "Save current settings as new " + ItemKindWord(m_nTypeFilter) + "?")) {
        return;
    }
    CItemTitleDlg title(this);
    if (title.ShowModal() != wxID_OK) {
        return;
    }
    try {
        m_pDoc->AddNewItem(BoxTexts(), m_nTypeFilter, title.m_strTitle);
    } catch (const CDBException& e) {
        ShowError(e.GetErrorMessage());
        RelistKeepingBoxes();
        return;
    }
    // With no kind chosen the item is listed under "All".
    if (m_nTypeFilter == kNoKind) {
        m_nTypeFilter = kKindAll;
        m_kinds[kKindAll]->SetValue(true);
    }
    LoadItemList();
}

void CDatabaseDlg::DeleteItem() {
    const long nIndex = m_pList->GetSelection();
    if (nIndex < 0) {
        return;
    }
    if (!Ask(this, "Delete - are you sure?", wxYES_NO | wxNO_DEFAULT)) {
        return;
    }
    const int nID = m_pList->GetItems()[static_cast<size_t>(nIndex)].nID;
    try {
        if (!m_pDoc->MoveToListedItem(static_cast<int>(nIndex), nID)) {
            // Not where the list says: delete nothing, show what is there.
            LoadItemList();
            return;
        }
        m_pDoc->DeleteCurrentItem();
    } catch (const CDBException& e) {
        ShowError(e.GetErrorMessage());
        LoadItemList();
        return;
    }
    // The list is read again with the query, so entry and row still match.
    LoadItemList();
    const long nNext = std::min<long>(nIndex, m_pList->GetItemCount() - 1);
    if (nNext < 0) {
        ClearLoadedItem();
        return;
    }
    m_pList->SelectQuietly(nNext);
    ShowSelectedItem();
}

void CDatabaseDlg::ShowUsage() {
    if (!IsItemLoaded()) {
        return;
    }
    wxString text;
    try {
        text = m_pDoc->FormatItemSequence(m_nItemID);
    } catch (const CDBException& e) {
        ShowError(e.GetErrorMessage());
        return;
    }
    wxMessageBox(text, kCaption, wxOK, this);
}

void CDatabaseDlg::EditProperties() {
    // The list is read again afterwards, which empties the boxes.
    if (!IsItemLoaded() || !OfferToSave() || !MoveToLoadedItem()) {
        return;
    }
    if (RunItemProperties(*m_pDoc, this)) {
        // Title, kind or VPD may have changed: the list is read again and
        // the item must be chosen again.
        LoadItemList();
    }
}

// ---- the text tools ----

void CDatabaseDlg::CollectSymbols() {
    m_symbols = ::CollectSymbols(m_pField1->GetValue());
    m_posSymbol.reset();
    if (m_symbols.empty()) {
        return;  // the symbol box keeps what it showed
    }
    m_strSymbol = m_symbols.front();
    if (m_symbols.size() > 1) {
        m_posSymbol = 1;
    }
    m_pSymbol->ChangeValue(m_strSymbol);
}

void CDatabaseDlg::InsertSymbol() {
    if (!m_posSymbol && !m_symbols.empty()) {
        m_posSymbol = 0;
    }
    if (!m_posSymbol) {
        wxMessageBox("No symbols to insert", kCaption, wxOK | wxICON_INFORMATION, this);
        return;
    }
    // Straight into the box at the caret, over its selection: the clipboard
    // keeps what the operator put there.
    long nFrom = 0;
    long nTo = 0;
    m_pField1->GetSelection(&nFrom, &nTo);
    if (nFrom != nTo) {
        m_pField1->Remove(nFrom, nTo);
        m_pField1->SetInsertionPoint(nFrom);
    }
    m_pField1->WriteText(m_pSymbol->GetValue());
    MarkEdited();
    m_strSymbol = m_symbols[*m_posSymbol];
    if (++*m_posSymbol >= m_symbols.size()) {
        m_posSymbol.reset();
    }
    m_pSymbol->ChangeValue(m_strSymbol);
    m_pField1->SetFocus();
}

void CDatabaseDlg::RemoveSymbols() {
    // Every box, used by the item or not. A box whose text changes is edited
    // as when typed into; one left as it was is not.
    for (wxTextCtrl* box : {m_pField1, m_pHeading1, m_pHeading2, m_pField2}) {
        const wxString text = box->GetValue();
        const wxString plain = RemoveMarkup(text);
        if (plain != text) {
            box->SetValue(plain);
        }
    }
}

void CDatabaseDlg::PlaceChords() {
    m_pField1->SetValue(ItemToEditText(::PlaceChords(m_pField1->GetValue())));
    MarkEdited();
}

// ---- the show and the printable view ----

CVersiluxView* CDatabaseDlg::MainView() const {
    wxDocManager* manager = m_pDoc->GetDocumentManager();
    wxView* view = manager != nullptr ? manager->GetCurrentView() : nullptr;
    if (view == nullptr || view->GetDocument() != m_pDoc) {
        view = m_pDoc->GetFirstView();
    }
    return dynamic_cast<CVersiluxView*>(view);
}

bool CDatabaseDlg::IsShowRunning() const {
    const CVersiluxView* view = MainView();
    return view != nullptr && view->IsShowRunning();
}

void CDatabaseDlg::Preview() {
    CVersiluxView* view = MainView();
    // The show takes the shared query's current row: it must be the item in
    // the boxes, as stored.
    if (view == nullptr || !CanPreview() || !MoveToLoadedItem()) {
        return;
    }
    m_pDoc->m_bPreview = true;
    wxCommandEvent go(wxEVT_MENU, ID_SHOW_GO);
    view->ProcessEvent(go);
    GetButton(ID_DB_PREVIEW)->Enable(CanPreview());
}

void CDatabaseDlg::Printable() {
    if (!IsItemLoaded() || !MoveToLoadedItem()) {
        return;
    }
    const CItemsSet& item = *m_pDoc->m_pItemsSet;
    m_pDoc->ShowListing(CListingKind::Printable);
    m_pDoc->m_nPrintTranspose = item.m_Transpose;
    m_pDoc->m_bPrintPreferFlats = item.m_PreferFlats;
    if (!EndAsDone()) {
        // The editor stays open: closed later by Done, it must not print.
        m_pDoc->ShowListing(CListingKind::Schedule);
    }
}

// ---- the command ----

void RunItemEditor(CVersiluxDoc& doc, wxWindow* pParent) {
    doc.ShowListing(CListingKind::Schedule);
    {
        CDatabaseDlg dlg(pParent, &doc);
        dlg.ShowModal();
    }
    try {
        doc.ReturnFromEditor();
    } catch (const CDBException& e) {
        wxMessageBox(e.GetErrorMessage(), kCaption, wxOK | wxICON_ERROR, pParent);
    }
    if (doc.m_bPrintable) {
        RunPrintTransposeLoop(doc, pParent);
    }
}

void RunPrintTransposeLoop(CVersiluxDoc& doc, wxWindow* pParent) {
    doc.m_bPrintBW = false;
    for (;;) {
        CPrintTransposeDlg dlg(pParent);
        dlg.m_bPreferFlats = doc.m_bPrintPreferFlats;
        dlg.m_nTranspose = doc.m_nPrintTranspose;
        dlg.m_bBlackWhite = doc.m_bPrintBW;
        const int nResult = dlg.ShowModal();
        // Continue leaves the values as they were primed.
        doc.m_bPrintPreferFlats = dlg.m_bPreferFlats;
        doc.m_nPrintTranspose = dlg.m_nTranspose;
        doc.m_bPrintBW = dlg.m_bBlackWhite;
        doc.RefreshViews();
        if (nResult != wxID_OK) {
            break;
        }
    }
}

void CDatabaseDlg::ExportSongs() {
    // The stored texts are written: edits not yet saved stay in the boxes.
    std::vector<int> listed;
    for (const CListedItem& item : m_pList->GetItems()) {
        listed.push_back(item.nID);
    }
    RunExportSongsCommand(*m_pDoc, this, IsItemLoaded() ? m_nItemID : 0, listed);
}
