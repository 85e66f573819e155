#include "db/LibraryCopy.h"

#include <algorithm>
#include <vector>

#include "db/LibrarySetup.h"
#include "odbc/Catalog.h"
#include "odbc/DBException.h"
#include "odbc/Database.h"
#include "odbc/RowStream.h"

namespace {

constexpr size_t kBatchRows = 100;
constexpr size_t kBatchChars = 4 * 1024 * 1024;

const CColumnInfo* FindColumn(const std::vector<CColumnInfo>& columns, const wxString& strName) {
    for (const CColumnInfo& column : columns) {
        if (column.strName.CmpNoCase(strName) == 0) {
            return &column;
        }
    }
    return nullptr;
}

// The copy's target columns and how the source reads them: every target
// column the source also has (a column the source lacks keeps the target's
// default).
struct CTableCopyPlan {
    std::vector<wxString> sourceNames;  // bracketed, as the source spells them
    std::vector<wxString> targetNames;
    std::vector<FieldKind> kinds;
    bool bHasID = false;
};

CTableCopyPlan PlanTableCopy(CDatabase& source, CDatabase& target, const wxString& strTable) {
    const std::vector<CColumnInfo> from = ListColumns(source, strTable);
    CTableCopyPlan plan;
    for (const CColumnInfo& column : ListColumns(target, strTable)) {
        if (const CColumnInfo* match = FindColumn(from, column.strName)) {
            plan.sourceNames.push_back("[" + match->strName + "]");
            plan.targetNames.push_back("[" + column.strName + "]");
            plan.kinds.push_back(column.kind);
            plan.bHasID = plan.bHasID || column.strName.CmpNoCase("ID") == 0;
        }
    }
    return plan;
}

void CopyTable(CDatabase& source, CDatabase& target, const wxString& strTable,
               const LibraryCopyProgress& progress) {
    const CTableCopyPlan plan = PlanTableCopy(source, target, strTable);
    if (plan.kinds.empty()) {
        // Nothing copied must not pass for a copy.
        throw CDBException("HY000", 0, "the two stores' tables have no column in common",
                           "copying " + strTable);
    }
    long nRows = 0;
    {
        wxString columns;
        for (const wxString& name : plan.sourceNames) {
            columns << (columns.empty() ? "" : ", ") << name;
        }
        CRowReader reader(
            source,
            "SELECT " + columns + " FROM " + strTable + (plan.bHasID ? " ORDER BY [ID]" : ""),
            plan.kinds);
        CPreparedInsert insert(target, strTable, plan.targetNames, plan.kinds);
        // Rows go in batches: one trip to a server for many rows.
        // A batch's text slots are as wide as its longest text, so a few
        // very long texts make a batch go early.
        std::vector<std::vector<FieldValue>> batch;
        size_t nLongest = 0;
        std::vector<FieldValue> values;
        while (reader.Next(values)) {
            // The program reads a missing value as 0 or empty, and the
            // library's columns take no NULL: written as it is read.
            for (FieldValue& value : values) {
                value.bNull = false;
                nLongest = std::max(nLongest, value.strValue.length());
            }
            batch.push_back(std::move(values));
            if (batch.size() == kBatchRows || batch.size() * nLongest > kBatchChars) {
                insert.InsertRows(batch);
                batch.clear();
                nLongest = 0;
            }
            if (++nRows % kCopyProgressStep == 0 && progress) {
                progress(strTable, nRows, false);
            }
        }
        insert.InsertRows(batch);
    }
    if (progress) {
        progress(strTable, nRows, true);
    }
}

}  // namespace

ELibraryState GetLibraryState(CDatabase& db) {
    const std::vector<wxString> tables = ListTables(db);
    int nFound = 0;
    for (const char* name : kLibraryTables) {
        const wxString wanted = UnbracketedName(name);
        for (const wxString& table : tables) {
            if (table.CmpNoCase(wanted) == 0) {
                ++nFound;
                break;
            }
        }
    }
    return nFound == 0                                             ? ELibraryState::None
           : nFound == static_cast<int>(std::size(kLibraryTables)) ? ELibraryState::Library
                                                                   : ELibraryState::Partial;
}

long CountRows(CDatabase& db, const wxString& strTable) {
    CRowReader reader(db, "SELECT COUNT(*) FROM " + strTable, {FieldKind::Long});
    std::vector<FieldValue> values;
    return reader.Next(values) ? static_cast<long>(values[0].nValue) : 0;
}

void CopyLibrary(CDatabase& source, CDatabase& target, const wxString& strDataDir,
                 const LibraryCopyProgress& progress) {
    if (GetLibraryState(source) != ELibraryState::Library) {
        throw CLibraryRefused("the source is not a Versilux library (it lacks the tables)");
    }
    // Looked at through the catalog before the transaction: a failed
    // statement would spoil a PostgreSQL transaction.
    const ELibraryState state = GetLibraryState(target);
    if (state == ELibraryState::Partial) {
        throw CLibraryRefused("the target holds some of a library's tables but not all");
    }
    CTransaction transaction(target);
    if (state == ELibraryState::None) {
        CreateLibrary(target, strDataDir, ELibraryContent::Tables);
    } else {
        if (const long nItems = CountRows(target, "items"); nItems > 0) {
            throw CLibraryRefused(
                wxString::Format("the target already holds a library with %ld items", nItems));
        }
        for (const char* table : kLibraryTables) {
            target.ExecuteSQL(wxString("DELETE FROM ") + table);
        }
    }
    for (const char* table : kLibraryTables) {
        CopyTable(source, target, table, progress);
    }
    FollowGivenIds(target);
    transaction.Commit();
}
