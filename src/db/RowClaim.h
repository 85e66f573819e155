// Claiming a row for a change made of several statements, so that two
// programs changing the same thing take turns instead of mixing their
// writes.
#pragma once

#include <wx/string.h>

class CDatabase;

// Inside the caller's transaction: waits until no other program is
// changing the row, then holds it until the transaction ends. False when
// the row is gone (another program deleted it). Writes nothing, so no
// trigger of the table fires.
bool ClaimRowForChange(CDatabase& db, const wxString& strTable, int nID);

// Inside the caller's transaction: the same for a whole table that is
// emptied and filled again, so two programs never both fill it.
void ClaimTableForChange(CDatabase& db, const wxString& strTable);
