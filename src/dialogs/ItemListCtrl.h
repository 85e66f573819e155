// A list of item titles for the item editors.
#pragma once

#include <wx/listctrl.h>

#include <vector>

#include "doc/ItemLibrary.h"

// The titles of a listed kind, drawn on demand: a list of twenty thousand
// items opens as fast as one of twenty.
class CItemListCtrl : public wxListCtrl {
  public:
    explicit CItemListCtrl(wxWindow* pParent);

    void SetItems(std::vector<CListedItem> items);
    const std::vector<CListedItem>& GetItems() const { return m_items; }
    // The selected entry, or -1.
    long GetSelection() const;
    // Selects and shows an entry (-1 clears the selection) without telling
    // the dialog: the caller loads what it needs.
    void SelectQuietly(long nIndex);
    // The entry of the item, or -1.
    long FindItemID(int nID) const;

  protected:
    wxString OnGetItemText(long nItem, long nColumn) const override;

  private:
    std::vector<CListedItem> m_items;
};
