// A text box whose text may hold at most so many characters. Typing is never
// cut short: OK (or any Validate) names the limit in a message box, focuses
// the box and keeps the dialog open. Works on multi-line boxes too, where the
// toolkit's own length limit is not available.
#pragma once

#include <wx/string.h>
#include <wx/validate.h>

#include <optional>

// The message for a text longer than nMax characters, or nothing.
std::optional<wxString> CheckMaxChars(const wxString& strText, size_t nMax);

class CMaxLengthValidator : public wxValidator {
  public:
    CMaxLengthValidator(wxString* pValue, size_t nMax);
    CMaxLengthValidator(const CMaxLengthValidator& other);
    CMaxLengthValidator& operator=(const CMaxLengthValidator&) = delete;

    wxObject* Clone() const override { return new CMaxLengthValidator(*this); }
    // A disabled box is not checked: the operator could not correct it.
    bool Validate(wxWindow* pParent) override;
    bool TransferToWindow() override;
    bool TransferFromWindow() override;

  private:
    wxString* m_pValue;
    size_t m_nMax;
};
