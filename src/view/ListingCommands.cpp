// The commands that act on what the main view lists: copying and saving the
// results, paging on through a search, and the usage report of a result.
#include <wx/clipbrd.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>

#include "doc/VersiluxDoc.h"
#include "view/VersiluxView.h"
#include "view/ViewCanvas.h"

// The file Save writes, in the current folder.
const char* const kSearchFileName = "search.txt";

void CVersiluxView::OnEditCopy(wxCommandEvent& /*event*/) {
    CVersiluxDoc* doc = GetVersiluxDoc();
    if (doc == nullptr || (!doc->m_bShowSearch && !doc->m_bShowStats)) {
        return;
    }
    // A clipboard that cannot be opened leaves nothing to say: Copy does nothing.
    if (!wxTheClipboard->Open()) {
        return;
    }
    wxTheClipboard->SetData(new wxTextDataObject(doc->FormatListingForCopy()));  // it owns it
    wxTheClipboard->Close();
}

void CVersiluxView::OnUpdateEditCopy(wxUpdateUIEvent& event) {
    const CVersiluxDoc* doc = GetVersiluxDoc();
    event.Enable(doc != nullptr && (doc->m_bShowSearch || doc->m_bShowStats));
}

void CVersiluxView::OnFileSave(wxCommandEvent& /*event*/) {
    CVersiluxDoc* doc = GetVersiluxDoc();
    if (doc == nullptr || !doc->m_bShowSearch) {
        return;
    }
    wxString error;
    if (doc->WriteSearchResults(kSearchFileName, error)) {
        wxMessageBox("search.txt created", "Versilux", wxOK, m_pFrame);
    } else {
        wxMessageBox("search.txt could not be written (" +
                         wxFileName(kSearchFileName).GetAbsolutePath() + "): " + error,
                     "Versilux", wxOK | wxICON_ERROR, m_pFrame);
    }
}

void CVersiluxView::OnUpdateFileSave(wxUpdateUIEvent& event) {
    const CVersiluxDoc* doc = GetVersiluxDoc();
    event.Enable(doc != nullptr && doc->m_bShowSearch);
}

void CVersiluxView::OnSearchMore(wxCommandEvent& /*event*/) {
    CVersiluxDoc* doc = GetVersiluxDoc();
    if (doc == nullptr || !m_listing.m_bSearchMore) {
        return;
    }
    // The next page starts with the first row the last drawing did not reach.
    doc->m_nSearchFirst = doc->m_nSearchLine;
    doc->m_bScrollTop = true;
    OnUpdate(this, nullptr);
}

void CVersiluxView::OnUpdateSearchMore(wxUpdateUIEvent& event) {
    event.Enable(m_listing.m_bSearchMore);
}

void CVersiluxView::OnRButtonDown(const wxPoint& ptLogical) {
    CVersiluxDoc* doc = GetVersiluxDoc();
    if (doc == nullptr || !doc->m_bShowSearch) {
        return;
    }
    // Rows past the last one drawn have a bottom of 0, so a click below the
    // listing finds no row.
    const auto& bottoms = m_listing.m_searchItemBottoms;
    for (size_t i = 0; i < bottoms.size(); ++i) {
        if (bottoms[i] >= ptLogical.y) {
            const int nItemID = m_listing.m_searchItemIDs[i];
            wxMessageBox(doc->FormatItemUsage(nItemID), "Versilux", wxOK, m_pFrame);
            return;
        }
    }
}
