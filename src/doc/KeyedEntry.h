// List entries that carry a record key after their visible text: the name,
// 100 spaces that push the key past the list's right edge, " : " and the ID
// (optionally ":" and a second number). Keys are read back from the right, so
// a name that itself holds ':' still yields the right ID.
#pragma once

#include <wx/string.h>

// "%s%s : %d": name, 100 spaces, ID.
wxString MakeKeyedEntry(const wxString& strName, long nID);
// "%s%s : %d:%d": title, 100 spaces, item ID, transpose value.
wxString MakeKeyedEntry(const wxString& strName, long nID, long nSecond);

// The number after the last ':' read as atol reads it (leading blanks, an
// optional sign, digits up to the first non-digit); 0 when there is none.
long KeyedEntryNumber(const wxString& strEntry);
// The first of two numbers: the number after the last ':' once the text from
// the last ':' on is cut off.
long KeyedEntryFirstNumber(const wxString& strEntry);
// The text before the last ':' (padding included); empty without a ':'.
wxString KeyedEntryName(const wxString& strEntry);
// What an operator sees: the text before the first ':' without the trailing
// padding; the whole text, trimmed, when it holds no ':'.
wxString KeyedEntryVisibleName(const wxString& strEntry);

// atol as the C library does it, saturating instead of overflowing.
long ParseLeadingNumber(const wxString& strText);
