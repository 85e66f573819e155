// What choosing a schedule does to the document: the chosen schedule becomes
// the one the next show runs, the main view lists it, and a player file in use
// is set aside.
#pragma once

#include <wx/string.h>

class CVersiluxDoc;

// strSelected is the keyed entry the operator chose; empty selects none.
void SelectScheduleFromEntry(CVersiluxDoc& doc, const wxString& strSelected);
// The selection was cancelled: no schedule is current any more.
void ClearScheduleSelection(CVersiluxDoc& doc);
// After the schedules were edited: a current schedule that is gone is
// current no more, and one given a new name is shown under it.
void FollowEditedSchedules(CVersiluxDoc& doc);
