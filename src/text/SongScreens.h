// The screens of a song's main text: a line starting with "&" opens a new
// screen, the rest of that line being the screen's label (never shown). The
// readers of song files gather screens here; the writers take them apart.
#pragma once

#include <wx/string.h>

#include <vector>

struct CSongScreen {
    wxString strLabel;
    std::vector<wxString> lines;
};

// The line without the blanks (spaces, tabs) at its end.
wxString TrimTrailingBlanks(const wxString& line);
bool IsBlankLine(const wxString& line);

// Words as a song file has them, without the "&" that would start a new
// screen wherever it stands in an item's text: "&" between blanks becomes
// "and", any other "+".
wxString WithoutScreenBreaks(const wxString& words);

// Gathers the lines of a song file into screens and gives the main text as an
// item holds it: screens separated by a line "&" (with the label, if any),
// none before the first screen unless it has a label, lines trimmed at the
// end, empty lines at the edges of a screen and empty screens dropped, CR LF
// between lines.
class CSongScreenBuilder {
  public:
    // Opens a screen; lines go into it until the next EndScreen or
    // StartScreen.
    void StartScreen(const wxString& label = wxString());
    // Closes the open screen; the next line opens a new one.
    void EndScreen();
    // A line of the open screen (a new one if none is open). A line starting
    // with "&" is a screen break and opens a screen with its label; any other
    // "&" is taken out (WithoutScreenBreaks).
    void AddLine(const wxString& line);
    wxString Text() const;

  private:
    std::vector<CSongScreen> m_screens;
    bool m_bOpen = false;
};

// The screens that show something, without the blank lines at their edges:
// what a song file written from the text holds.
std::vector<CSongScreen> ShownScreens(const wxString& text);

// The screens of a main text, as they stand: a text beginning with an "&"
// line has no screen before it.
std::vector<CSongScreen> SplitScreens(const wxString& text);
