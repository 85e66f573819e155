// Copying a whole library from one store to another (an SQLite file to a
// shared PostgreSQL database, say): every row of the seven tables with its
// IDs, so schedules still name their items, in one transaction on the target.
#pragma once

#include <wx/string.h>
#include <functional>
#include <stdexcept>
#include <string>

class CDatabase;

// The seven tables as the program's SQL writes them.
inline constexpr const char* kLibraryTables[] = {"items",  "Schedules", "[schedule items]", "VPD",
                                                 "config", "Colours",   "tempsearch"};

// A copy or a creation that was not started because of what the stores
// hold; nothing was changed. what() is the reason, in UTF-8.
class CLibraryRefused : public std::runtime_error {
  public:
    explicit CLibraryRefused(const wxString& strReason)
        : std::runtime_error(std::string(strReason.utf8_str())) {}
};

// What a store holds of a library.
enum class ELibraryState {
    None,     // none of the seven tables
    Partial,  // some of them
    Library,  // all of them
};
ELibraryState GetLibraryState(CDatabase& db);

// The rows of a table (as the program's SQL names it).
long CountRows(CDatabase& db, const wxString& strTable);

// Told about each table: its rows copied so far, and once more with bDone
// when the table is finished.
using LibraryCopyProgress = std::function<void(const wxString& strTable, long nRows, bool bDone)>;

// How often a table's running count is told while it is copied.
inline constexpr long kCopyProgressStep = 1000;

// Copies every row of the source's seven tables to the target. The target
// may hold none of the tables (they are made first, from strDataDir's
// schema) or be a library without items, whose rows are replaced. Throws
// CLibraryRefused when the source is no library or the target holds items
// or only some of the tables; CDBException when a store fails, and then
// the target is left as it was.
void CopyLibrary(CDatabase& source, CDatabase& target, const wxString& strDataDir,
                 const LibraryCopyProgress& progress = {});
