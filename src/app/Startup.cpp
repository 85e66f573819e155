#include "app/Startup.h"

#include "db/DataSourceName.h"
#include "db/DefaultDataSource.h"
#include "doc/VersiluxDoc.h"
#include "odbc/DBException.h"

wxString FailureReason(const std::exception& e) {
    if (const auto* db = dynamic_cast<const CDBException*>(&e)) {
        return db->GetErrorMessage();
    }
    return wxString::FromUTF8(e.what());
}

wxString DescribeStartupFailure(const std::exception& e) {
    return wxString::Format(
        "Versilux cannot start: the data source \"%s\" could not be used.\n\n%s",
        GetDataSourceName(), FailureReason(e));
}

std::unique_ptr<CVersiluxDoc> OpenVersiluxDocument(wxString& strError) {
    wxString reason;
    if (!EnsureDefaultDataSource(reason)) {
        strError = DescribeStartupFailure(std::runtime_error(std::string(reason.utf8_str())));
        return nullptr;
    }
    try {
        return std::make_unique<CVersiluxDoc>();
    } catch (const std::exception& e) {
        strError = DescribeStartupFailure(e);
    }
    return nullptr;
}
