// The schedule manager's Copy: asks, then puts the schedule's item list on
// the clipboard as text.
#pragma once

#include <wx/string.h>
#include <vector>

class CVersiluxDoc;
class wxWindow;

// entries: the schedule's item list (two-number keyed entries) in list order.
void CopyScheduleToClipboard(CVersiluxDoc& doc, const std::vector<wxString>& entries,
                             wxWindow* pParent);
