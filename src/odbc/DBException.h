// The error every database operation throws: the ODBC diagnostic (SQL state,
// native code, driver text) and what the program was doing.
#pragma once

#include <wx/string.h>
#include <stdexcept>

class CDBException : public std::runtime_error {
  public:
    CDBException(const wxString& strState, long nNativeError, const wxString& strError,
                 const wxString& strContext);

    // "State:<state>,Native:<code>", as shown below the driver's text.
    wxString m_strStateNativeOrigin;
    // The driver's own message.
    wxString m_strError;
    wxString m_strState;
    long m_nNativeError = 0;
    // What was being done ("executing: SELECT ...").
    wxString m_strContext;
    // The store dropped the connection (server restarted, network gone).
    bool m_bConnectionLost = false;

    // The error for a connection the store dropped.
    static CDBException Lost(const wxString& strState, long nNativeError, const wxString& strError,
                             const wxString& strContext) {
        CDBException lost(strState, nNativeError, strError, strContext);
        lost.m_bConnectionLost = true;
        return lost;
    }

    // One text for a message box: the driver's reason first, then state and context.
    wxString GetErrorMessage() const;
};
