// "Database", the item editor: lists the current VPD's items of one kind,
// loads one into the four text boxes, saves it, makes new items from the
// boxes, deletes items, and reports where an item has been used. It works
// on the document's shared item query: list entry n is the query's row n + 1.
#pragma once

#include <wx/dialog.h>
#include <wx/string.h>

#include <array>
#include <optional>
#include <span>
#include <vector>

#include "dialogs/ItemListCtrl.h"
#include "doc/ItemKinds.h"
#include "doc/ItemLibrary.h"

class CVersiluxDoc;
class CVersiluxView;
class wxButton;
class wxCheckBox;
class wxRadioButton;
class wxTextCtrl;

class CDatabaseDlg : public wxDialog {
  public:
    static constexpr size_t kMaxHeading = 50;
    static constexpr size_t kMaxFileName = 100;

    CDatabaseDlg(wxWindow* pParent, CVersiluxDoc* pDoc);

    CVersiluxDoc* m_pDoc;
    wxString m_strHeading1;
    wxString m_strHeading2;
    wxString m_strField1;
    wxString m_strField2;
    wxString m_strFileName;
    std::array<bool, 4> m_flags{};
    int m_nTypeFilter = kNoKind;
    int m_nItemID = -1;  // the item in the boxes; -1 none

    // The Symbols and Insert tools: the symbols collected, the one the next
    // Insert pastes (shown in the symbol box), and where the one after it
    // stands (none after the last).
    std::vector<wxString> m_symbols;
    wxString m_strSymbol;
    std::optional<size_t> m_posSymbol;

    // What the controls do, callable as the operator's clicks call them.
    void ChooseKind(int nTypeFilter);
    void LoadItemList();
    void ShowSelectedItem();
    void SaveItem();
    void NewItem();
    void DeleteItem();
    void ShowUsage();
    void EditProperties();
    // The text tools and the hand-overs to the show and the printable view.
    void CollectSymbols();
    void InsertSymbol();
    void RemoveSymbols();
    void PlaceChords();
    void ExportSongs();
    void Preview();
    void Printable();

    bool IsItemLoaded() const { return m_nItemID >= 0; }
    // Edits of the loaded item not yet saved (Save is on).
    bool HasUnsavedEdits() const;

    wxRadioButton* GetKindRadio(int nTypeFilter) const { return m_kinds[nTypeFilter]; }
    CItemListCtrl* GetItemList() const { return m_pList; }
    wxTextCtrl* GetHeading1Edit() const { return m_pHeading1; }
    wxTextCtrl* GetField1Edit() const { return m_pField1; }
    wxTextCtrl* GetHeading2Edit() const { return m_pHeading2; }
    wxTextCtrl* GetField2Edit() const { return m_pField2; }
    wxTextCtrl* GetFileNameEdit() const { return m_pFileName; }
    wxCheckBox* GetFlagBox(int n) const { return m_flagBoxes[n]; }
    wxCheckBox* GetFixedWidthBox() const { return m_pFixedWidth; }
    wxTextCtrl* GetSymbolBox() const { return m_pSymbol; }
    wxButton* GetButton(int nId) const;

  private:
    enum class SaveOutcome { Saved, Declined, Failed };
    // Save's question, and the save on Yes. Failed: the edits are still
    // only in the boxes.
    SaveOutcome SaveLoadedItem();
    // Before something replaces the boxes: edits are offered for saving.
    // False when they could not be saved (the caller keeps them).
    bool OfferToSave();
    wxButton* AddButton(wxSizer* pSizer, int nId, const wxString& strLabel);
    void DisableButtons(std::span<const int> ids);
    CItemEditTexts BoxTexts() const;
    void SetBoxTexts(const CItemEditTexts& texts);
    // The list read again for the chosen kind; a failure is shown and
    // leaves it empty.
    void ReadList();
    // Nothing loaded: the boxes empty, the item's buttons off.
    void ClearLoadedItem();
    // The list read again with the item selected and the shared query on
    // it; false when it is no longer listed there.
    bool RelistAt(int nID);
    // After a failed write: the list read again, the loaded item selected
    // and current again when it is still there, the boxes as typed.
    void RelistKeepingBoxes();
    // The shared query on the loaded item again; false (and the list read
    // again) when it is not where the list says.
    bool MoveToLoadedItem();
    void ShowError(const wxString& strMessage);
    // The loaded item is edited: Save goes on (with nothing loaded there is
    // nothing to save into).
    void MarkEdited();
    // Done's checks and the end of the dialog; false when it stays open.
    bool EndAsDone();
    // The main window's view, which runs the show; null without one.
    CVersiluxView* MainView() const;
    bool IsShowRunning() const;
    bool CanPreview() const { return IsItemLoaded() && !IsShowRunning(); }
    void UseFixedWidth(bool bFixed);

    void OnKind(wxCommandEvent& event);
    void OnSelect(wxListEvent& event);
    void OnEdited(wxCommandEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void OnSaveOrEscape(wxCommandEvent& event);
    void OnDone(wxCommandEvent& event);

    CItemListCtrl* m_pList = nullptr;
    wxRadioButton* m_pNoKind = nullptr;  // hidden: checked while no kind is chosen
    std::array<wxRadioButton*, kKindCount> m_kinds{};
    wxTextCtrl* m_pHeading1 = nullptr;
    wxTextCtrl* m_pField1 = nullptr;
    wxTextCtrl* m_pHeading2 = nullptr;
    wxTextCtrl* m_pField2 = nullptr;
    wxTextCtrl* m_pFileName = nullptr;
    wxTextCtrl* m_pSymbol = nullptr;
    std::array<wxCheckBox*, 4> m_flagBoxes{};
    wxCheckBox* m_pFixedWidth = nullptr;
    std::vector<wxButton*> m_buttons;
};

// Button ids of the editor (Save carries the cancel id: Escape asks to save).
enum {
    ID_DB_PROPERTIES = wxID_HIGHEST + 1,
    ID_DB_PREVIEW,
    ID_DB_PRINTABLE,
    ID_DB_DELETE,
    ID_DB_SHOW_SEQ,
    ID_DB_REMOVE_SYM,
    ID_DB_SYMBOLS,
    ID_DB_INSERT,
    ID_DB_PLACE_CHORDS,
    ID_DB_EXPORT,
    ID_DB_NEW,
};

// Show > Database: the editor over the document's items; afterwards the
// schedule is listed again, its titles read afresh. When the editor was
// left by "Printable", the print-transpose loop follows.
void RunItemEditor(CVersiluxDoc& doc, wxWindow* pParent);

// "Transpose for Printing" again and again over the printable view: primed
// with the document's print values (colour to begin with), each run's values
// are copied back and the views redrawn; Preview runs it again, Continue
// ends it.
void RunPrintTransposeLoop(CVersiluxDoc& doc, wxWindow* pParent);
