#include "db/DataSourceName.h"

namespace {

wxString& ChosenName() {
    static wxString name = kDataSourceName;
    return name;
}

}  // namespace

wxString GetDataSourceName() {
    return ChosenName();
}

void SetDataSourceName(const wxString& strName) {
    ChosenName() = strName.empty() ? wxString(kDataSourceName) : strName;
}

wxString GetDataSourceConnect() {
    return "ODBC;DSN=" + ChosenName();
}

bool UsesDefaultDataSource() {
    return ChosenName().CmpNoCase(kDataSourceName) == 0;
}
