// The item editors' reads and writes on the shared item query: listing one
// kind, loading and saving the edit boxes, new items, deletion, copies and
// properties.
#include "db/ItemTitlesSet.h"
#include "doc/ChoiceRows.h"
#include "doc/ItemKinds.h"
#include "doc/VersiluxDoc.h"
#include "text/LineEnds.h"

namespace {

// A title tie would leave list and query free to differ; the ID settles it.
const char* const kItemListSort = "Title, ID";

// The box's text for the item, keeping the stored text when the box reads
// as it was loaded, so line ends the box cannot show survive a save.
wxString FromEditBox(const wxString& strBox, const wxString& strStored) {
    return strBox == ItemToEditText(strStored) ? strStored : EditToItemText(strBox);
}

}  // namespace

std::vector<CListedItem> CVersiluxDoc::ListItems(int nTypeFilter) {
    CItemsSet& items = *m_pItemsSet;
    items.m_strFilter = ItemKindFilter(nTypeFilter, m_nVPD);
    items.m_strSort = kItemListSort;
    // The query with every text runs when an item is first moved to: the
    // driver reads its whole result at once, which for a large library
    // would double the time the list takes to appear. Closed until then, so
    // no row of the old result passes for one of the list.
    items.Close();
    m_strListedFilter = items.m_strFilter;
    m_bShowSearch = false;

    return ReadItemTitles(m_strListedFilter);
}

std::vector<CListedItem> CVersiluxDoc::ReadItemTitles(const wxString& strFilter) {
    CItemTitlesSet titles(&m_database);
    titles.m_strFilter = strFilter;
    titles.m_strSort = kItemListSort;
    titles.Open();
    std::vector<CListedItem> listed;
    for (; !titles.IsEOF(); titles.MoveNext()) {
        listed.push_back({titles.m_ID, titles.m_Title, titles.m_Transpose});
    }
    return listed;
}

bool CVersiluxDoc::MoveToListedItem(int nIndex, int nItemID) {
    CItemsSet& items = *m_pItemsSet;
    if (nIndex < 0) {
        return false;
    }
    // Run when it has not since the list was made, or something else has
    // pointed the shared query elsewhere meanwhile.
    if (!items.IsOpen() || items.m_strFilter != m_strListedFilter ||
        items.m_strSort != kItemListSort) {
        items.m_strFilter = m_strListedFilter;
        items.m_strSort = kItemListSort;
        RequeryOrOpen(items);
    }
    items.SetAbsolutePosition(nIndex + 1);
    return !items.IsEOF() && !items.IsBOF() && !items.IsDeleted() && items.m_ID == nItemID;
}

CItemEditTexts CVersiluxDoc::CurrentItemTexts() const {
    const CItemsSet& item = *m_pItemsSet;
    const CItemTextsUsed used = TextsUsedByType(item.m_Type);
    CItemEditTexts texts;
    if (used.bHeading1) {
        texts.strHeading1 = ItemToEditText(item.m_Heading1);
    }
    if (used.bField1) {
        texts.strField1 = ItemToEditText(item.m_Field1);
    }
    if (used.bHeading2) {
        texts.strHeading2 = ItemToEditText(item.m_Heading2);
    }
    if (used.bField2) {
        texts.strField2 = ItemToEditText(item.m_Field2);
    }
    texts.strFileName = item.m_FileName;
    texts.flags = {item.m_Flag1, item.m_Flag2, item.m_Flag3, item.m_Flag4};
    return texts;
}

bool CVersiluxDoc::SaveCurrentItem(const CItemEditTexts& texts) {
    CItemsSet& item = *m_pItemsSet;
    return Writing(item, [&] {
        item.Edit();
        const CItemTextsUsed used = TextsUsedByType(item.m_Type);
        if (used.bHeading1) {
            item.m_Heading1 = FromEditBox(texts.strHeading1, item.m_Heading1);
        }
        if (used.bField1) {
            item.m_Field1 = FromEditBox(texts.strField1, item.m_Field1);
        }
        if (used.bHeading2) {
            item.m_Heading2 = FromEditBox(texts.strHeading2, item.m_Heading2);
        }
        if (used.bField2) {
            item.m_Field2 = FromEditBox(texts.strField2, item.m_Field2);
        }
        item.m_FileName = texts.strFileName;
        item.m_Flag1 = texts.flags[0];
        item.m_Flag2 = texts.flags[1];
        item.m_Flag3 = texts.flags[2];
        item.m_Flag4 = texts.flags[3];
        return item.Update();
    });
}

int CVersiluxDoc::DefaultScreenType(int nTypeFilter) const {
    const CConfigSet& config = *m_pConfigSet;
    switch (nTypeFilter) {
        case 1:
            return config.m_Screen1_default;
        case 2:
            return config.m_Screen2_default;
        case 3:
            return config.m_Screen3_default;
        case 4:
            return config.m_Screen4_default;
        case 5:
            return config.m_Screen5_default;
        default:
            return 0;
    }
}

void CVersiluxDoc::AddNewItem(const CItemEditTexts& texts, int nTypeFilter,
                              const wxString& strTitle) {
    CItemsSet& item = *m_pItemsSet;
    if (!item.IsOpen()) {
        item.Open();
    }
    m_bShowSearch = false;
    Writing(item, [&] {
        item.AddNew();
        item.m_Field1 = EditToItemText(texts.strField1);
        item.m_Field2 = EditToItemText(texts.strField2);
        item.m_Heading1 = EditToItemText(texts.strHeading1);
        item.m_Heading2 = EditToItemText(texts.strHeading2);
        item.m_FileName = texts.strFileName;
        item.m_Subtype = ItemKindSubtype(nTypeFilter);
        item.m_Title = strTitle;
        item.m_Type = DefaultScreenType(nTypeFilter);
        item.m_Foreground = m_pConfigSet->m_Foreground_Default;
        item.m_Foreground2 = m_pConfigSet->m_Foreground2_Default;
        item.m_Background = m_pConfigSet->m_Background_Default;
        item.m_VPD = m_nVPD;
        item.m_BPM = 0;
        return item.Update();
    });
}

void CVersiluxDoc::DeleteCurrentItem() {
    CItemsSet& item = *m_pItemsSet;
    item.Delete();
    item.MoveNext();
}

void CVersiluxDoc::CopyCurrentItem(const wxString& strTitle, int nToVPD) {
    CItemsSet& item = *m_pItemsSet;
    const CItemsSet& source = item;  // read before AddNew resets the members
    // The members change with AddNew: keep what the copy takes first.
    const wxString heading1 = source.m_Heading1, heading2 = source.m_Heading2,
                   heading2Alt = source.m_Heading2_alt, field1 = source.m_Field1,
                   field2 = source.m_Field2, fileName = source.m_FileName;
    const int nType = source.m_Type, nSubtype = source.m_Subtype, nBackground = source.m_Background,
              nForeground = source.m_Foreground, nForeground2 = source.m_Foreground2,
              nTranspose = source.m_Transpose;
    const bool bPreferFlats = source.m_PreferFlats;
    Writing(item, [&] {
        item.AddNew();
        item.m_Heading1 = heading1;
        item.m_Heading2 = heading2;
        item.m_Heading2_alt = heading2Alt;
        item.m_Field1 = field1;
        item.m_Field2 = field2;
        item.m_FileName = fileName;
        item.m_Type = nType;
        item.m_Subtype = nSubtype;
        item.m_Background = nBackground;
        item.m_Foreground = nForeground;
        item.m_Foreground2 = nForeground2;
        item.m_PreferFlats = bPreferFlats;
        item.m_Transpose = nTranspose;
        item.m_Title = strTitle;
        item.m_VPD = nToVPD;
        return item.Update();
    });
}

CItemProperties CVersiluxDoc::CurrentItemProperties() const {
    const CItemsSet& item = *m_pItemsSet;
    CItemProperties props;
    props.strTitle = item.m_Title;
    props.nForeground = item.m_Foreground;
    props.nForeground2 = item.m_Foreground2;
    props.nBackground = item.m_Background;
    props.nSubtype = item.m_Subtype;
    props.nType = item.m_Type;
    props.nTranspose = item.m_Transpose;
    props.bPreferFlats = item.m_PreferFlats;
    props.nBPM = item.m_BPM;
    // The editor lists the current VPD's items only: the two are the same.
    props.nVPD = m_nVPD;
    return props;
}

CPropertiesOutcome CVersiluxDoc::SaveCurrentItemProperties(const CItemProperties& props) {
    CPropertiesOutcome outcome;
    bool bVPDFound = false;
    for (const CChoice& vpd : VPDChoices()) {
        bVPDFound = bVPDFound || vpd.nID == props.nVPD;
    }
    CItemsSet& item = *m_pItemsSet;
    outcome.bTransposeChanged = props.nTranspose != item.m_Transpose;
    outcome.bVPDFound = bVPDFound;
    outcome.bWritten = Writing(item, [&] {
        item.Edit();
        item.m_Title = props.strTitle;
        // A list left without a choice keeps what is stored.
        if (props.nForeground > 0) {
            item.m_Foreground = props.nForeground;
        }
        if (props.nForeground2 > 0) {
            item.m_Foreground2 = props.nForeground2;
        }
        if (props.nBackground > 0) {
            item.m_Background = props.nBackground;
        }
        if (props.nSubtype >= 0) {
            item.m_Subtype = props.nSubtype;
        }
        if (props.nType > 0) {
            item.m_Type = props.nType;
        }
        item.m_Transpose = props.nTranspose;
        item.m_PreferFlats = props.bPreferFlats;
        item.m_BPM = props.nBPM;
        if (bVPDFound) {
            item.m_VPD = props.nVPD;
        }
        return item.Update();
    });
    outcome.bTransposeChanged = outcome.bTransposeChanged && outcome.bWritten;
    return outcome;
}

std::vector<CChoice> CVersiluxDoc::ColourChoices() {
    return ReadChoices(*m_pColoursSet, wxString());
}

std::vector<CChoice> CVersiluxDoc::VPDChoices() {
    // Repeated names keep the order they were added in.
    return ReadChoices(*m_pVPDSet, "[Name], [ID]");
}

wxString CVersiluxDoc::FormatItemSequence(int nItemID) {
    CScheduleItemSet& rows = *m_pScheduleItemSet;
    rows.m_strFilter = wxString::Format("[Item ID]=%d", nItemID);
    rows.m_strSort = "ID DESC";
    RequeryOrOpen(rows);
    std::vector<int> schedules;
    for (; !rows.IsEOF(); rows.MoveNext()) {
        schedules.push_back(rows.m_Schedule_ID);
    }
    wxString text = "Item used in:";
    for (int nSchedule : schedules) {
        text << "\n" << GetScheduleName(nSchedule);
    }
    text << "\n\nTotal usage:" << FormatTotalUsage(nItemID);
    rows.m_strSort.clear();
    m_pVPDSet->m_strSort.clear();
    return text;
}
