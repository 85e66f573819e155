// The ID the store gave the row this connection inserted last.
#pragma once

#include <wx/string.h>

class CDatabase;

// Asked of the store itself (last_insert_rowid, lastval), so another
// program inserting at the same time cannot make it the wrong row's. Stores
// without such a function answer with the table's highest ID, which is
// right while this program writes alone. 0 when nothing tells.
int ReadAssignedId(CDatabase& db, const wxString& strTable);
