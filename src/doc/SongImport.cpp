// Song files into the library: every file of one import read and checked,
// then stored as new items in one transaction.
#include <wx/filename.h>

#include "db/AssignedId.h"
#include "doc/ExchangeText.h"
#include "doc/ItemKinds.h"
#include "doc/SongFiles.h"
#include "doc/VersiluxDoc.h"

namespace {

// The widest short text column of the items table.
constexpr size_t kMaxColumnText = 255;

wxString CutTo(const wxString& strText, size_t nMax) {
    return strText.length() > nMax ? strText.Left(nMax) : strText;
}

// Reads and checks one file; false with the refusal filled in.
bool ReadSong(const wxString& strPath, CSongText& song, wxString& strRefusal) {
    ESongFormat format{};
    if (!SongFormatOfPath(strPath, format)) {
        strRefusal = FormatSongFileRefusal(
            strPath, {0,
                      "not a song file: the program reads ChordPro (.cho, .chordpro, .chopro, "
                      ".crd, .pro), OpenLyrics (.xml) and plain text (.txt)"});
        return false;
    }
    // A file far too large is refused before it is read at all.
    const wxULongLong size = wxFileName::GetSize(strPath);
    if (size != wxInvalidSize && size > wxULongLong(kMaxSongFileBytes)) {
        strRefusal = FormatSongFileRefusal(strPath, {0, kSongFileTooLarge});
        return false;
    }
    std::string bytes;
    if (wxString strError; !ReadFileBytes(strPath, bytes, strError)) {
        strRefusal = strError;
        return false;
    }
    CSongFileError error;
    if (!ReadSongFile(format, bytes, song, error)) {
        strRefusal = FormatSongFileRefusal(strPath, error);
        return false;
    }
    if (song.strTitle.Strip(wxString::both).empty()) {
        song.strTitle = wxFileName(strPath).GetName();
    }
    return true;
}

}  // namespace

int CSongImport::ImportedCount() const {
    int n = 0;
    for (const CSongFileImport& file : files) {
        n += file.bImported ? 1 : 0;
    }
    return n;
}

int CSongImport::RefusedCount() const {
    return static_cast<int>(files.size()) - ImportedCount();
}

wxString FormatSongFileRefusal(const wxString& strPath, const CSongFileError& error) {
    if (error.nLine > 0) {
        return wxString::Format("%s:%d: %s", strPath, error.nLine, error.strReason);
    }
    return strPath + ": " + error.strReason;
}

wxString UnusedSongTitle(const wxString& strTitle, const std::set<wxString>& taken) {
    wxString strBase = CutTo(strTitle, kMaxItemTitle);
    if (taken.count(strBase) == 0) {
        return strBase;
    }
    for (int n = 2;; ++n) {
        const wxString strSuffix = wxString::Format(" (%d)", n);
        const wxString strCandidate =
            CutTo(strBase, kMaxItemTitle - strSuffix.length()) + strSuffix;
        if (taken.count(strCandidate) == 0) {
            return strCandidate;
        }
    }
}

CSongImport CVersiluxDoc::ImportSongFiles(const std::vector<wxString>& paths, int nVPD,
                                          const CProgress& onProgress) {
    CSongImport result;
    std::set<wxString> taken;
    for (const CListedItem& item : ReadItemTitles(wxString::Format("VPD=%d", nVPD))) {
        taken.insert(item.strTitle);
    }
    // Inserts go through a set of their own that holds no rows, so the
    // shared item query and the editors' lists are left as they are.
    CItemsSet items(&m_database);
    items.m_strFilter = "1=0";
    items.Open();

    const int nTotal = static_cast<int>(paths.size());
    CTransaction transaction(m_database);
    for (int i = 0; i < nTotal; ++i) {
        if (onProgress && !onProgress(i, nTotal)) {
            return {{}, true};  // rolled back: nothing was imported
        }
        CSongFileImport file;
        file.strPath = paths[i];
        CSongText song;
        if (ReadSong(file.strPath, song, file.strRefusal)) {
            const int nKind = song.bChords ? kKindChords : kKindSongs;
            file.strTitle = UnusedSongTitle(song.strTitle, taken);
            Writing(items, [&] {
                items.AddNew();
                items.m_Title = file.strTitle;
                items.m_Heading1 = CutTo(song.strHeading1, kMaxColumnText);
                items.m_Heading2 = CutTo(song.strHeading2, kMaxColumnText);
                items.m_Heading2_alt = CutTo(song.strHeading2Alt, kMaxColumnText);
                items.m_Field1 = song.strField1;
                items.m_Field2.clear();
                items.m_FileName = CutTo(wxFileName(file.strPath).GetFullName(), kMaxColumnText);
                items.m_Subtype = ItemKindSubtype(nKind);
                // The program's own files say how the item looked; any
                // other file gets the configured defaults.
                items.m_Type = song.nType > 0 ? song.nType : DefaultScreenType(nKind);
                const bool bColours = song.nBackground > 0;
                items.m_Foreground =
                    bColours ? song.nForeground : m_pConfigSet->m_Foreground_Default;
                items.m_Foreground2 =
                    bColours ? song.nForeground2 : m_pConfigSet->m_Foreground2_Default;
                items.m_Background =
                    bColours ? song.nBackground : m_pConfigSet->m_Background_Default;
                items.m_VPD = nVPD;
                items.m_Transpose = song.nTranspose;
                items.m_PreferFlats = song.bPreferFlats;
                items.m_BPM = song.nBPM;
                return items.Update();
            });
            file.nItemID = ReadAssignedId(m_database, "[items]");
            file.bImported = true;
            taken.insert(file.strTitle);
        }
        result.files.push_back(std::move(file));
    }
    if (onProgress && !onProgress(nTotal, nTotal)) {
        return {{}, true};
    }
    transaction.Commit();
    return result;
}
