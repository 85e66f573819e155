// Show screens drawn ahead of their keys, by show entry. They hold for one
// look of the show: under another stamp (the show list, a transposition or
// the settings changed, or the show area moved) none of them is used.
#pragma once

#include <wx/gdicmn.h>

#include <map>
#include <memory>
#include <vector>

class CPreparedScreen;

struct CReadyStamp {
    unsigned nRevision = 0;  // the document's show revision
    wxRect rcShow;           // the show area
    wxSize sizeClient;       // the display window's client area
    bool operator==(const CReadyStamp&) const = default;
};

class CReadyScreens {
  public:
    // The screen of entry n drawn under stamp, or null.
    std::shared_ptr<CPreparedScreen> Find(int n, const CReadyStamp& stamp) const;
    // Keeps the screen of entry n; a new stamp drops the screens of the old.
    void Keep(int n, const CReadyStamp& stamp, std::shared_ptr<CPreparedScreen> screen);
    // Drops every screen but those of these entries.
    void KeepOnly(const std::vector<int>& entries);
    void Clear();
    size_t Count() const { return m_screens.size(); }

  private:
    CReadyStamp m_stamp;
    std::map<int, std::shared_ptr<CPreparedScreen>> m_screens;
};

// The entries the next keys will most likely show when the screen of entry
// nShown is up, most likely first: Down, Up, Page Down (nPageDown, the next
// item's first part), then Home. Each once, within [0, nEntries).
std::vector<int> EntriesWorthDrawing(int nShown, int nPageDown, int nEntries);
