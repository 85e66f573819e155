#include "odbc/SqlDialect.h"

namespace {

// Index just past the end of the run starting at `at` that ends with `close`
// (a doubled close stays inside); the text's length when it never ends.
size_t SkipQuoted(const wxString& sql, size_t at, wxUniChar close) {
    const size_t n = sql.length();
    size_t i = at + 1;
    while (i < n) {
        if (sql[i] == close) {
            if (i + 1 < n && sql[i + 1] == close) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return n;
}

wxString InCase(const wxString& name, EIdentifierCase nCase) {
    switch (nCase) {
        case EIdentifierCase::Lower:
            return name.Lower();
        case EIdentifierCase::Upper:
            return name.Upper();
        case EIdentifierCase::Mixed:
            break;
    }
    return name;
}

}  // namespace

wxString RewriteBracketQuoting(const wxString& strSQL, const CSqlDialect& dialect) {
    if (dialect.strQuote.empty() || !strSQL.Contains("[")) {
        return strSQL;
    }
    wxString out;
    out.reserve(strSQL.length() + 8);
    const size_t n = strSQL.length();
    size_t i = 0;
    while (i < n) {
        const wxUniChar c = strSQL[i];
        size_t end = i + 1;
        if (c == '\'' || c == '"') {
            end = SkipQuoted(strSQL, i, c);
        } else if (c == '-' && i + 1 < n && strSQL[i + 1] == '-') {
            end = strSQL.find('\n', i);
            end = end == wxString::npos ? n : end;
        } else if (c == '/' && i + 1 < n && strSQL[i + 1] == '*') {
            end = strSQL.find("*/", i + 2);
            end = end == wxString::npos ? n : end + 2;
        } else if (c == '[') {
            const size_t close = strSQL.find(']', i + 1);
            if (close != wxString::npos) {
                wxString name = InCase(strSQL.Mid(i + 1, close - i - 1), dialect.nCase);
                name.Replace(dialect.strQuote, dialect.strQuote + dialect.strQuote);
                out << dialect.strQuote << name << dialect.strQuote;
                i = close + 1;
                continue;
            }
        }
        out << strSQL.Mid(i, end - i);
        i = end;
    }
    return out;
}
