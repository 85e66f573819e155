#include "dialogs/MaxLengthValidator.h"

#include <wx/msgdlg.h>
#include <wx/textctrl.h>

std::optional<wxString> CheckMaxChars(const wxString& strText, size_t nMax) {
    if (strText.length() <= nMax) {
        return std::nullopt;
    }
    return wxString::Format("Please enter no more than %zu characters.", nMax);
}

CMaxLengthValidator::CMaxLengthValidator(wxString* pValue, size_t nMax)
    : m_pValue(pValue), m_nMax(nMax) {}

// wx copies a validator into each window it is set on (Clone).
CMaxLengthValidator::CMaxLengthValidator(const CMaxLengthValidator& other)
    : wxValidator(), m_pValue(other.m_pValue), m_nMax(other.m_nMax) {
    Copy(other);
}

bool CMaxLengthValidator::Validate(wxWindow* pParent) {
    auto* edit = wxDynamicCast(GetWindow(), wxTextCtrl);
    if (edit == nullptr || !edit->IsEnabled()) {
        return true;
    }
    const std::optional<wxString> message = CheckMaxChars(edit->GetValue(), m_nMax);
    if (!message) {
        return true;
    }
    wxMessageBox(*message, "Versilux", wxOK | wxICON_EXCLAMATION, pParent);
    edit->SetFocus();
    edit->SetSelection(static_cast<long>(m_nMax), -1);
    return false;
}

bool CMaxLengthValidator::TransferToWindow() {
    if (auto* edit = wxDynamicCast(GetWindow(), wxTextCtrl)) {
        edit->ChangeValue(*m_pValue);
    }
    return true;
}

bool CMaxLengthValidator::TransferFromWindow() {
    if (auto* edit = wxDynamicCast(GetWindow(), wxTextCtrl)) {
        *m_pValue = edit->GetValue();
    }
    return true;
}
