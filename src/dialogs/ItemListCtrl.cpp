#include "dialogs/ItemListCtrl.h"

CItemListCtrl::CItemListCtrl(wxWindow* pParent)
    : wxListCtrl(pParent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                 wxLC_REPORT | wxLC_VIRTUAL | wxLC_NO_HEADER | wxLC_SINGLE_SEL | wxBORDER_SUNKEN) {
    AppendColumn(wxString());
    // The one column fills the list whatever its width.
    Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        SetColumnWidth(0, GetClientSize().x);
        event.Skip();
    });
}

void CItemListCtrl::SetItems(std::vector<CListedItem> items) {
    SelectQuietly(-1);
    m_items = std::move(items);
    SetItemCount(static_cast<long>(m_items.size()));
    Refresh();
}

long CItemListCtrl::GetSelection() const {
    return GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
}

void CItemListCtrl::SelectQuietly(long nIndex) {
    SetEvtHandlerEnabled(false);
    const long nOld = GetSelection();
    if (nOld >= 0 && nOld != nIndex) {
        SetItemState(nOld, 0, wxLIST_STATE_SELECTED);
    }
    if (nIndex >= 0 && nIndex < GetItemCount()) {
        SetItemState(nIndex, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                     wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
        EnsureVisible(nIndex);
    }
    SetEvtHandlerEnabled(true);
}

long CItemListCtrl::FindItemID(int nID) const {
    return IndexOfID(m_items, nID);
}

wxString CItemListCtrl::OnGetItemText(long nItem, long /*nColumn*/) const {
    return nItem >= 0 && nItem < static_cast<long>(m_items.size())
               ? m_items[static_cast<size_t>(nItem)].strTitle
               : wxString();
}
