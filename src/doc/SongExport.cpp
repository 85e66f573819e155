// Items out of the library as song files: one item to a file, or every
// listed item into a folder, a file each.
#include <wx/filename.h>

#include "doc/ExchangeText.h"
#include "doc/ItemKinds.h"
#include "doc/SongFiles.h"
#include "doc/VersiluxDoc.h"

namespace {

constexpr int kChordsSubtype = 3;

std::string WriteSong(ESongFormat format, const CSongText& song) {
    return format == ESongFormat::ChordPro ? WriteChordPro(song) : WriteOpenLyrics(song);
}

}  // namespace

wxString SongFileExtension(ESongFormat format) {
    switch (format) {
        case ESongFormat::ChordPro:
            return "cho";
        case ESongFormat::OpenLyrics:
            return "xml";
        case ESongFormat::PlainText:
            break;
    }
    return "txt";
}

wxString SongFileNameForTitle(const wxString& strTitle, ESongFormat format) {
    wxString strName = strTitle;
    strName.Trim(true).Trim(false);
    for (wxUniCharRef c : strName) {
        // What file systems or shells take badly in a name.
        if (c < 32 || wxString("/\\:*?\"<>|").Find(wxUniChar(c)) != wxNOT_FOUND) {
            c = '-';
        }
    }
    if (strName.empty() || strName.StartsWith(".")) {
        strName = "song" + strName;
    }
    return strName + "." + SongFileExtension(format);
}

bool CVersiluxDoc::ItemSongText(int nItemID, CSongText& song) {
    if (!FindLookupItem(nItemID)) {
        return false;
    }
    const CItemsSet& item = *m_pLookupSet;
    song.strTitle = item.m_Title;
    song.strHeading1 = item.m_Heading1;
    song.strHeading2 = item.m_Heading2;
    song.strHeading2Alt = item.m_Heading2_alt;
    song.strField1 = item.m_Field1;
    song.nBPM = item.m_BPM;
    song.nTranspose = item.m_Transpose;
    song.bPreferFlats = item.m_PreferFlats;
    song.bChords = item.m_Subtype == kChordsSubtype;
    song.nType = item.m_Type;
    song.nBackground = item.m_Background;
    song.nForeground = item.m_Foreground;
    song.nForeground2 = item.m_Foreground2;
    return true;
}

bool CVersiluxDoc::ExportItemSong(int nItemID, ESongFormat format, const wxString& strPath,
                                  wxString& strError) {
    CSongText song;
    if (!ItemSongText(nItemID, song)) {
        strError = wxString::Format("no item has the ID %d", nItemID);
        return false;
    }
    // ChordPro is a chord sheet: a song, liturgy or picture has no chords
    // to carry, and read back it would come in as a chord chart.
    if (format == ESongFormat::ChordPro && !song.bChords) {
        strError =
            wxString::Format("\"%s\" is not a chord chart; export it as OpenLyrics", song.strTitle);
        return false;
    }
    return WriteFileBytes(strPath, WriteSong(format, song), strError);
}

std::vector<CSongFileExport> CVersiluxDoc::ExportSongs(const std::vector<int>& itemIDs,
                                                       ESongFormat format, const wxString& strDir,
                                                       const CProgress& onProgress) {
    std::vector<CSongFileExport> exported;
    std::set<wxString> used;  // two items of one title get two files
    const int nTotal = static_cast<int>(itemIDs.size());
    for (int i = 0; i < nTotal; ++i) {
        if (onProgress && !onProgress(i, nTotal)) {
            break;
        }
        CSongFileExport one;
        one.nItemID = itemIDs[i];
        CSongText song;
        if (!ItemSongText(one.nItemID, song)) {
            one.strProblem = wxString::Format("no item has the ID %d", one.nItemID);
        } else if (one.strTitle = song.strTitle; format == ESongFormat::ChordPro && !song.bChords) {
            one.strProblem = "not a chord chart";
        } else {
            const wxString strName = UnusedSongTitle(song.strTitle, used);
            used.insert(strName);
            const wxString strPath =
                wxFileName(strDir, SongFileNameForTitle(strName, format)).GetFullPath();
            if (WriteFileBytes(strPath, WriteSong(format, song), one.strProblem)) {
                one.strPath = strPath;
            }
        }
        exported.push_back(std::move(one));
    }
    if (onProgress) {
        onProgress(nTotal, nTotal);
    }
    return exported;
}
