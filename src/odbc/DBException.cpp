#include "odbc/DBException.h"

namespace {
std::string Describe(const wxString& state, const wxString& error, const wxString& context) {
    wxString text = error.empty() ? wxString("database error") : error;
    text << " (state " << state << ")";
    if (!context.empty()) {
        text << " while " << context;
    }
    return std::string(text.utf8_str());
}
}  // namespace

CDBException::CDBException(const wxString& strState, long nNativeError, const wxString& strError,
                           const wxString& strContext)
    : std::runtime_error(Describe(strState, strError, strContext)),
      m_strStateNativeOrigin(wxString::Format("State:%s,Native:%ld", strState, nNativeError)),
      m_strError(strError),
      m_strState(strState),
      m_nNativeError(nNativeError),
      m_strContext(strContext) {}

wxString CDBException::GetErrorMessage() const {
    wxString text = m_strError;
    text << "\n" << m_strStateNativeOrigin;
    if (!m_strContext.empty()) {
        text << "\n" << m_strContext;
    }
    return text;
}
