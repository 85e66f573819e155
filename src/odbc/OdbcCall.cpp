#include "odbc/OdbcCall.h"

#include "odbc/DBException.h"

namespace odbc {

void Check(SQLRETURN rc, SQLSMALLINT handleType, SQLHANDLE handle, const wxString& context) {
    if (Succeeded(rc) || rc == SQL_NO_DATA) {
        return;
    }
    SQLCHAR state[SQL_SQLSTATE_SIZE + 1] = {0};
    SQLINTEGER native = 0;
    SQLCHAR message[SQL_MAX_MESSAGE_LENGTH + 1] = {0};
    SQLSMALLINT length = 0;
    wxString strState = "HY000";
    wxString strMessage;
    if (handle != SQL_NULL_HANDLE && Succeeded(SQLGetDiagRec(handleType, handle, 1, state, &native,
                                                             message, sizeof message, &length))) {
        strState = wxString::FromUTF8(reinterpret_cast<const char*>(state));
        strMessage = wxString::FromUTF8(reinterpret_cast<const char*>(message));
        if (strMessage.empty()) {  // not UTF-8 after all
            strMessage = wxString(reinterpret_cast<const char*>(message), wxConvISO8859_1);
        }
    } else if (rc == SQL_INVALID_HANDLE) {
        strMessage = "invalid handle";
    } else {
        strMessage = wxString::Format("ODBC call failed (return code %d)", static_cast<int>(rc));
    }
    throw CDBException(strState, native, strMessage, context);
}

EnvHandle MakeEnvironment() {
    EnvHandle env;
    env.Allocate(SQL_NULL_HANDLE, SQL_HANDLE_ENV, "allocating the ODBC environment");
    Check(SQLSetEnvAttr(env.Get(), SQL_ATTR_ODBC_VERSION,
                        reinterpret_cast<SQLPOINTER>(static_cast<intptr_t>(SQL_OV_ODBC3)), 0),
          SQL_HANDLE_ENV, env.Get(), "setting the ODBC version");
    return env;
}

}  // namespace odbc
