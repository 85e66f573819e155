// Player files: a self-contained text copy of one schedule, carried to
// another machine and shown from there. Pure text code: no database, no
// windows, so the reader can be tested and fuzzed on its own.
//
// The layout, one line per row ("\b" is the character 8):
//   VLP file
//   then per item: \bVLP - NEW SONG, the title, the attribute line
//   ("TYPE: 7 TRANSPOSE: -2 FOREGROUND: 3 FORE2GROUND: 5 BACKGROUND: 1
//   PREFER: Y"), \bHEADING1, its lines, \bHEADING2, its lines, \bFIELD1,
//   its lines, \bFIELD2, its lines, \bVLP - END OF SONG
//   \bVLP - END OF FILE
// On disk every line ends in CR LF, as Windows text-mode output writes it.
#pragma once

#include <wx/string.h>
#include <cstddef>
#include <string>

inline const wxString kPlayerFileHeader = "VLP file";
inline const wxString kPlayerFileWildcard = "VL Player files (*.vlp)|*.vlp";
inline const wxString kPlayerFileExtension = "vlp";

// One item as a player file holds it; the colours are numbers of the
// Colours table, the transposition is the one the schedule gave it.
struct CPlayerItem {
    wxString strTitle;
    int nType = 0;
    int nTranspose = 0;
    int nForeground = 0;
    int nForeground2 = 0;
    int nBackground = 0;
    bool bPreferFlats = false;
    wxString strHeading1;
    wxString strHeading2;
    wxString strField1;
    wxString strField2;

    bool operator==(const CPlayerItem&) const = default;
};

// Writes a player file's text item by item.
class CPlayerFileWriter {
  public:
    CPlayerFileWriter();
    void AddItem(const CPlayerItem& item);
    // A schedule row whose item is gone: read back, it ends the show there.
    void AddNotFound(const wxString& strTitle);
    // Ends the file and returns its bytes as they go to disk.
    std::string Finish();

  private:
    wxString m_strText;  // line ends "\n"
};

// The bytes Windows text-mode output writes for a text: every "\n" becomes
// CR LF, so a CR LF inside a text goes to disk as CR CR LF. Windows-1252
// when that reads back as the same text, else UTF-8.
std::string TextModeBytes(const wxString& strText);

enum class CPlayerRead {
    Item,        // an item was read
    EndOfFile,   // the end-of-file line
    Unreadable,  // the lines do not follow the layout, or the file ended
};

// A player file's text with a read position.
class CPlayerFile {
  public:
    CPlayerFile() = default;
    // Valid UTF-8 is read as UTF-8, anything else as Windows-1252.
    explicit CPlayerFile(const std::string& bytes);

    // The first line is exactly the header.
    bool HasHeader() const;
    // Back to the start of the file, past its header line.
    void Rewind();
    // The next item; item is left empty unless the result is Item.
    CPlayerRead ReadItem(CPlayerItem& item);

  private:
    // The next line without its line end; false at the end of the file.
    bool ReadLine(wxString& strLine);
    // The lines up to the marker line, joined by "\n"; false when the file
    // ends first.
    bool ReadTextUntil(const wxString& strMarker, wxString& strText);
    // Field 2's lines up to the end of the item.
    bool ReadLastField(wxString& strText);

    wxString m_strText;
    size_t m_nPos = 0;
};

// The attribute line's values; false when a key is missing or has no number.
bool ParsePlayerAttributes(const wxString& strLine, CPlayerItem& item);
