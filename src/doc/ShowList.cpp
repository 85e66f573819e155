// Building the show list: one entry per screen, from the single item being
// previewed, the open player file or the rows of the current schedule.
#include <algorithm>
#include <map>
#include <utility>

#include "doc/ShowEntry.h"
#include "doc/VersiluxDoc.h"

namespace {

// The colours and key a not-found entry is shown in.
constexpr COLORREF kNotFoundForeground = MakeColourValue(255, 255, 255);
constexpr COLORREF kNotFoundBackground = MakeColourValue(0, 0, 0);

const wxString kOldTitleSentinel = "ThisIsANOldTitle";

template <typename T>
T ElementAt(const std::vector<T>& array, int i) {
    if (array.empty()) {
        return T{};
    }
    return array[static_cast<size_t>(std::clamp(i, 0, static_cast<int>(array.size()) - 1))];
}

void AppendColour(COLORREF c, std::vector<unsigned char>& r, std::vector<unsigned char>& g,
                  std::vector<unsigned char>& b) {
    r.push_back(static_cast<unsigned char>(RedOf(c)));
    g.push_back(static_cast<unsigned char>(GreenOf(c)));
    b.push_back(static_cast<unsigned char>(BlueOf(c)));
}

COLORREF ColourAt(const std::vector<unsigned char>& r, const std::vector<unsigned char>& g,
                  const std::vector<unsigned char>& b, int i) {
    return MakeColourValue(ElementAt(r, i), ElementAt(g, i), ElementAt(b, i));
}

}  // namespace

void CVersiluxDoc::BuildShowList() {
    ++m_nShowRevision;
    wxString strEntry;
    wxString strTitle;
    wxString strPreviousTitle = kOldTitleSentinel;
    int nPartCounter = 0;
    bool bContinue = true;
    int nFileType = 0;
    int nFileForeground = 0, nFileForeground2 = 0, nFileBackground = 0;
    bool bFilePreferFlats = false;

    // Single-item mode wins over a player file: it is what the operator
    // asked for last.
    const bool bSingle = m_bPreview;
    const bool bFile = !bSingle && m_bPlayerFile;
    if (bSingle) {
        m_bPreviewDone = false;
    } else if (bFile) {
        m_playerFile.Rewind();
    } else {
        OpenScheduleRows(m_nScheduleID);
    }
    // A build starts from nothing: no entries, no item half split.
    m_show = CShowListData();

    // The palette cannot change during a build: each colour is read once.
    // The fallback is part of the key, since a missing number stands for
    // white as a foreground but black as a background.
    std::map<std::pair<int, COLORREF>, COLORREF> colours;
    auto colour = [&](int id, COLORREF fallback) {
        auto [it, inserted] = colours.try_emplace({id, fallback}, 0);
        if (inserted) {
            it->second = LookupColour(id, fallback);
        }
        return it->second;
    };
    const COLORREF white = MakeColourValue(255, 255, 255);
    const COLORREF black = MakeColourValue(0, 0, 0);

    // Kept across the parts of an item: the file gives them with its first part.
    int nTranspose = 0;
    while (bSingle || bFile ? bContinue : !m_pScheduleItemSet->IsEOF()) {
        if (bFile) {
            strEntry = NextEntryFromFile(nTranspose, nFileForeground, nFileForeground2,
                                         nFileBackground, bFilePreferFlats, nFileType, strTitle);
        } else {
            strEntry = NextEntryFromDatabase(nTranspose, strTitle);
        }
        if ((bSingle || bFile) && strEntry.StartsWith("99")) {
            bContinue = false;
            continue;
        }
        m_show.m_arrEntries.push_back(strEntry);
        if (strTitle != strPreviousTitle) {
            m_show.m_arrTitles.push_back(strTitle);
            strPreviousTitle = strTitle;
            ++m_show.m_nItemCount;
        }

        COLORREF fg, fg2, bg;
        int t;
        bool flats;
        if (bFile) {
            fg = colour(nFileForeground, white);
            fg2 = colour(nFileForeground2, white);
            bg = colour(nFileBackground, black);
            t = nTranspose;
            flats = bFilePreferFlats;
        } else if (!m_pItemsSet->IsOpen() || m_pItemsSet->IsEOF()) {
            // A row whose item is gone has no colours or key of its own.
            fg = fg2 = kNotFoundForeground;
            bg = kNotFoundBackground;
            t = 0;
            flats = false;
        } else {
            const CItemsSet& item = *m_pItemsSet;
            fg = colour(item.m_Foreground, white);
            fg2 = colour(item.m_Foreground2, white);
            bg = colour(item.m_Background, black);
            t = (bSingle || nTranspose == 999) ? item.m_Transpose : nTranspose;
            flats = item.m_PreferFlats;
        }
        AppendColour(fg, m_show.m_arrFgRed, m_show.m_arrFgGreen, m_show.m_arrFgBlue);
        AppendColour(fg2, m_show.m_arrFg2Red, m_show.m_arrFg2Green, m_show.m_arrFg2Blue);
        AppendColour(bg, m_show.m_arrBgRed, m_show.m_arrBgGreen, m_show.m_arrBgBlue);
        m_show.m_arrTranspose.push_back(static_cast<unsigned char>(t + 12));
        m_show.m_arrPreferFlats.push_back(flats ? 1 : 0);

        const int v = (HasMoreParts() ? 1 : 0) + (IsContinuation() ? 2 : 0);
        m_show.m_arrEntryFlags.push_back(static_cast<unsigned char>(v));
        if (v == 0 || v == 1) {
            m_show.m_arrPartCount.insert(m_show.m_arrPartCount.end(), nPartCounter, nPartCounter);
            nPartCounter = 1;
        } else {
            ++nPartCounter;
        }
        m_show.m_arrPartNumber.push_back(nPartCounter);
    }
    m_show.m_arrPartCount.insert(m_show.m_arrPartCount.end(), nPartCounter, nPartCounter);

    m_show.m_arrEntries.push_back(kEntryEndNotice);
    m_show.m_arrEntries.push_back(kEntryMenu);
    m_show.m_nLastEntry = static_cast<int>(m_show.m_arrEntries.size()) - 1;
    m_show.m_arrEntryFlags.push_back(0);
    m_show.m_arrPartNumber.push_back(1);
    m_show.m_arrPartCount.push_back(1);

    if (bSingle) {
        m_show.m_nItemCount = 1;
    } else if (!bFile) {
        m_show.m_nItemCount = static_cast<int>(m_pScheduleItemSet->GetRecordCount());
    }
}

wxString CVersiluxDoc::NextEntryFromDatabase(int& nTranspose, wxString& strTitle) {
    nTranspose = 0;
    const bool bSingle = m_bPreview;
    if (m_bPreviewDone && (bSingle || m_pScheduleItemSet->IsEOF())) {
        return kEntryEndOfSource;
    }
    CItemsSet& item = *m_pItemsSet;
    CScheduleItemSet& row = *m_pScheduleItemSet;
    if (!bSingle) {
        // Parts after the first come from the text kept in m_show.m_strPartText.
        if (m_show.m_strPartText.empty()) {
            item.m_strFilter = wxString::Format("ID=%d", row.m_Item_ID);
            RequeryOrOpen(item);
        }
        m_bShowSearch = false;
    }
    if (!item.IsOpen() || item.IsEOF() || item.IsBOF() || item.IsDeleted()) {
        m_show.m_nPartIndex = 0;
        m_show.m_strPartText.clear();
        if (!bSingle) {
            row.MoveNext();
        }
        return kEntryNotFound;
    }
    strTitle = item.m_Title;

    CEntryTexts texts;
    texts.nType = item.m_Type;
    if (m_show.m_strPartText.empty()) {  // later parts need nothing but the type
        texts = {item.m_Type,     item.m_Heading1,
                 item.m_Heading2, m_bAltH2 ? item.m_Heading2_alt : item.m_Heading2,
                 item.m_Field1,   item.m_Field2};
    }
    const wxString strEntry =
        NextItemEntry(texts, m_show.m_strPartText, m_show.m_strPartHeading, m_show.m_nPartIndex);
    nTranspose = bSingle ? 0 : row.m_Transpose;
    if (!HasMoreParts()) {
        if (bSingle) {
            m_bPreviewDone = true;
        } else {
            row.MoveNext();
        }
    }
    return strEntry;
}

wxString CVersiluxDoc::NextEntryFromFile(int& nTranspose, int& nForeground, int& nForeground2,
                                         int& nBackground, bool& bPreferFlats, int& nType,
                                         wxString& strTitle) {
    CEntryTexts texts;
    if (m_show.m_strPartText.empty()) {
        nType = 0;
        nTranspose = 0;
        CPlayerItem item;
        const CPlayerRead read = m_playerFile.ReadItem(item);
        if (read == CPlayerRead::EndOfFile) {
            return kEntryEndOfSource;
        }
        m_bShowSearch = false;
        if (read == CPlayerRead::Unreadable) {
            m_show.m_nPartIndex = 0;
            return kEntryNotFound;
        }
        nType = item.nType;
        nTranspose = item.nTranspose;
        nForeground = item.nForeground;
        nForeground2 = item.nForeground2;
        nBackground = item.nBackground;
        bPreferFlats = item.bPreferFlats;
        strTitle = item.strTitle;
        // The file holds the heading chosen at export: Alt H2 is not asked again.
        texts = {item.nType,       std::move(item.strHeading1), item.strHeading2,
                 item.strHeading2, std::move(item.strField1),   std::move(item.strField2)};
    } else {
        m_bShowSearch = false;
        texts.nType = nType;  // the next part of the item being split
    }
    return NextItemEntry(texts, m_show.m_strPartText, m_show.m_strPartHeading, m_show.m_nPartIndex);
}

wxString CVersiluxDoc::GetEntry(int i) const {
    return m_show.m_arrEntries.empty()
               ? wxString()
               : m_show.m_arrEntries[std::clamp(i, 0,
                                                static_cast<int>(m_show.m_arrEntries.size()) - 1)];
}
unsigned char CVersiluxDoc::GetEntryFlags(int i) const {
    return ElementAt(m_show.m_arrEntryFlags, i);
}
int CVersiluxDoc::GetPartNumber(int i) const {
    return ElementAt(m_show.m_arrPartNumber, i);
}
int CVersiluxDoc::GetPartCount(int i) const {
    return ElementAt(m_show.m_arrPartCount, i);
}
COLORREF CVersiluxDoc::GetForeground(int i) const {
    return ColourAt(m_show.m_arrFgRed, m_show.m_arrFgGreen, m_show.m_arrFgBlue, i);
}
COLORREF CVersiluxDoc::GetForeground2(int i) const {
    return ColourAt(m_show.m_arrFg2Red, m_show.m_arrFg2Green, m_show.m_arrFg2Blue, i);
}
COLORREF CVersiluxDoc::GetBackground(int i) const {
    return ColourAt(m_show.m_arrBgRed, m_show.m_arrBgGreen, m_show.m_arrBgBlue, i);
}
int CVersiluxDoc::GetTranspose(int i) const {
    return m_show.m_arrTranspose.empty()
               ? 0
               : static_cast<int>(ElementAt(m_show.m_arrTranspose, i)) - 12;
}
bool CVersiluxDoc::GetPreferFlats(int i) const {
    return ElementAt(m_show.m_arrPreferFlats, i) != 0;
}
