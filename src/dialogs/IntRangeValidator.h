// A text box that must hold a whole number, in a range or any. Typing is
// never filtered: OK (or any Validate) says what is wanted in a message box,
// focuses the box and keeps the dialog open, so the operator sees why.
#pragma once

#include <wx/string.h>
#include <wx/validate.h>

#include <optional>

// The number the text holds (blanks around it allowed), or nothing.
std::optional<int> ParseInteger(const wxString& strText);
// The message for a text that is not a whole number from nMin to nMax, or
// nothing when it is one.
std::optional<wxString> CheckIntRange(const wxString& strText, int nMin, int nMax);
// The message for a text that is not a whole number, or nothing when it is one.
std::optional<wxString> CheckInteger(const wxString& strText);

class CIntRangeValidator : public wxValidator {
  public:
    CIntRangeValidator(int* pValue, int nMin, int nMax);
    // Any whole number the value can hold.
    explicit CIntRangeValidator(int* pValue);
    CIntRangeValidator(const CIntRangeValidator& other);
    CIntRangeValidator& operator=(const CIntRangeValidator&) = delete;

    wxObject* Clone() const override { return new CIntRangeValidator(*this); }
    // A disabled box is not checked: the operator could not correct it.
    bool Validate(wxWindow* pParent) override;
    bool TransferToWindow() override;
    // A box that holds no number (disabled, so never checked) leaves the
    // value as it was.
    bool TransferFromWindow() override;

  private:
    std::optional<wxString> Check(const wxString& strText) const;

    int* m_pValue;
    int m_nMin;
    int m_nMax;
    bool m_bRanged;  // the message names the range
};
