#include "dialogs/IntRangeValidator.h"

#include <wx/msgdlg.h>
#include <wx/textctrl.h>

#include <limits>

std::optional<int> ParseInteger(const wxString& strText) {
    wxString text = strText;
    text.Trim(true).Trim(false);
    long nValue = 0;
    if (text.empty() || !text.ToLong(&nValue, 10) || nValue < std::numeric_limits<int>::min() ||
        nValue > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(nValue);
}

std::optional<wxString> CheckIntRange(const wxString& strText, int nMin, int nMax) {
    const std::optional<int> value = ParseInteger(strText);
    if (value && *value >= nMin && *value <= nMax) {
        return std::nullopt;
    }
    return wxString::Format("Please enter an integer between %d and %d.", nMin, nMax);
}

std::optional<wxString> CheckInteger(const wxString& strText) {
    if (ParseInteger(strText)) {
        return std::nullopt;
    }
    return wxString("Please enter an integer.");
}

CIntRangeValidator::CIntRangeValidator(int* pValue, int nMin, int nMax)
    : m_pValue(pValue), m_nMin(nMin), m_nMax(nMax), m_bRanged(true) {}

CIntRangeValidator::CIntRangeValidator(int* pValue)
    : m_pValue(pValue),
      m_nMin(std::numeric_limits<int>::min()),
      m_nMax(std::numeric_limits<int>::max()),
      m_bRanged(false) {}

// wx copies a validator into each window it is set on (Clone).
CIntRangeValidator::CIntRangeValidator(const CIntRangeValidator& other)
    : wxValidator(),
      m_pValue(other.m_pValue),
      m_nMin(other.m_nMin),
      m_nMax(other.m_nMax),
      m_bRanged(other.m_bRanged) {
    Copy(other);
}

std::optional<wxString> CIntRangeValidator::Check(const wxString& strText) const {
    return m_bRanged ? CheckIntRange(strText, m_nMin, m_nMax) : CheckInteger(strText);
}

bool CIntRangeValidator::Validate(wxWindow* pParent) {
    auto* edit = wxDynamicCast(GetWindow(), wxTextCtrl);
    if (edit == nullptr || !edit->IsEnabled()) {
        return true;
    }
    const std::optional<wxString> message = Check(edit->GetValue());
    if (!message) {
        return true;
    }
    wxMessageBox(*message, "Versilux", wxOK | wxICON_EXCLAMATION, pParent);
    edit->SetFocus();
    edit->SelectAll();
    return false;
}

bool CIntRangeValidator::TransferToWindow() {
    if (auto* edit = wxDynamicCast(GetWindow(), wxTextCtrl)) {
        edit->ChangeValue(wxString::Format("%d", *m_pValue));
    }
    return true;
}

bool CIntRangeValidator::TransferFromWindow() {
    if (auto* edit = wxDynamicCast(GetWindow(), wxTextCtrl)) {
        if (const std::optional<int> value = ParseInteger(edit->GetValue())) {
            *m_pValue = *value;
        }
    }
    return true;
}
