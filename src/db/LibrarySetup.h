// Making a library's tables and shipped content on any store the program
// runs on: the same schema and content files, with the one difference the
// stores have in how they assign IDs.
#pragma once

#include <wx/string.h>

class CDatabase;

enum class ELibraryContent {
    Tables,   // the seven tables, empty
    Starter,  // and the palette, the first VPD and the configuration row
    Demo,     // and the demo library
};

// Runs schema.sql, then library.sql and demo.sql as content asks, from
// strDataDir. Runs inside the caller's transaction, so a failure leaves
// nothing when the caller rolls back.
void CreateLibrary(CDatabase& db, const wxString& strDataDir, ELibraryContent content);

// The schema text as this store takes it: SQLite's AUTOINCREMENT keys become
// identity columns elsewhere.
wxString SchemaForStore(const wxString& strSchema, const wxString& strDBMSName);

// After rows were written with their IDs given, makes the store's next
// assigned ID follow the highest one, so new rows never collide. SQLite
// keeps that up by itself.
void FollowGivenIds(CDatabase& db);

// The tables whose ID the store assigns, as written in the program's SQL.
inline constexpr const char* kTablesWithAssignedIds[] = {"items", "Schedules", "[schedule items]",
                                                         "VPD", "Colours"};
