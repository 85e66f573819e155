// The text a schedule's item list becomes on the clipboard: each title, with
// the item's four texts and a rule unless only names are wanted.
#pragma once

#include <wx/string.h>
#include <vector>

class CVersiluxDoc;

// entries are keyed entries of the two-number form (title, item ID, key).
wxString FormatScheduleForClipboard(CVersiluxDoc& doc, const std::vector<wxString>& entries,
                                    bool bNamesOnly);
