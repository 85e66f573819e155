#include "odbc/OdbcCall.h"

#include "odbc/DBException.h"
#include "odbc/EightBitText.h"

#include <cstdlib>
#include <string>

namespace odbc {

namespace {

constexpr SQLLEN kChunk = 8192;

long long ParseNumber(const std::string& text) {
    // Stores may hand numbers back as text ("12", "1.0", "" for a blank).
    return std::strtoll(text.c_str(), nullptr, 10);
}

}  // namespace

// Text comes in chunks, so a value of any length is read whole.
FieldValue ReadColumn(SQLHSTMT stmt, SQLUSMALLINT column, FieldKind kind, const wxString& sql) {
    FieldValue value;
    std::string bytes;
    char buffer[kChunk];
    for (;;) {
        SQLLEN indicator = 0;
        SQLRETURN rc = SQLGetData(stmt, column, SQL_C_CHAR, buffer, kChunk, &indicator);
        if (rc == SQL_NO_DATA) {
            break;
        }
        Check(rc, SQL_HANDLE_STMT, stmt, "reading a row of: " + sql);
        if (indicator == SQL_NULL_DATA) {
            return value;
        }
        if (rc == SQL_SUCCESS_WITH_INFO && (indicator == SQL_NO_TOTAL || indicator >= kChunk)) {
            bytes.append(buffer, kChunk - 1);  // the last byte is the terminator
            continue;
        }
        bytes.append(buffer, static_cast<size_t>(indicator));
        break;
    }
    value.bNull = false;
    if (kind == FieldKind::Text) {
        // Rows written by older Windows programs may hold Windows-1252 bytes.
        bool bUtf8 = true;
        value.strValue = DecodeUtf8OrCp1252(bytes.data(), bytes.size(), &bUtf8);
        if (!bUtf8) {
            value.strBytes = std::move(bytes);  // to find the row again by this value
        }
    } else {
        value.nValue = ParseNumber(bytes);
    }
    return value;
}

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
