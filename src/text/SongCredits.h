// The short heading texts a song file's credits and musical details make:
// "Words: X; Music: Y; © Z" for the alternative second heading, and
// "Song - D, 4/4" for the second heading, as the library's own charts have
// them.
#pragma once

#include <wx/string.h>

#include <vector>

struct CSongCredits {
    std::vector<wxString> words;
    std::vector<wxString> music;
    std::vector<wxString> translation;
    std::vector<wxString> others;  // artists, authors of no stated kind
    std::vector<wxString> copyright;
};

// Adds a name to a list unless it is empty or there already (or the list
// holds 32 names).
void AddCredit(std::vector<wxString>& list, const wxString& name);

// "Words: X; Music: Y; Translation: T; © Z" (words and music by the same
// people read "Words and music: X"); empty when there are no credits.
wxString CreditsText(const CSongCredits& credits);

// base, " - " and the details joined by ", "; just base without details,
// just the details without base.
wxString HeadingWithDetails(const wxString& base, const std::vector<wxString>& details);
