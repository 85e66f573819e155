// "Select Schedule": the operator picks the schedule the next show runs, from
// the schedules of the current VPD, newest first or alphabetically.
#pragma once

#include <wx/dialog.h>
#include <wx/string.h>

class CVersiluxDoc;
class wxListBox;
class wxRadioButton;

class CSelectScheduleDlg : public wxDialog {
  public:
    explicit CSelectScheduleDlg(wxWindow* pParent);

    CVersiluxDoc* m_pDoc = nullptr;
    int m_nOrder = -1;  // 0 alphabetic, 1 most recently added first
    wxString m_strSelected;

    // Lists the schedules of the current VPD as keyed entries.
    void FillScheduleList(bool bNewestFirst);

    bool TransferDataToWindow() override;
    bool TransferDataFromWindow() override;

    wxListBox* GetScheduleList() const { return m_pList; }
    wxRadioButton* GetAlphabeticButton() const { return m_pAlphabetic; }
    wxRadioButton* GetRecentButton() const { return m_pRecent; }

  private:
    void OnOrder(wxCommandEvent& event);

    wxListBox* m_pList = nullptr;
    wxRadioButton* m_pAlphabetic = nullptr;
    wxRadioButton* m_pRecent = nullptr;
};

// Show > Select Schedule: the chosen schedule becomes current; Cancel leaves
// none chosen. Every view is refreshed either way.
void RunSelectSchedule(CVersiluxDoc& doc, wxWindow* pParent);
