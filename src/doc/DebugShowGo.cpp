// The debugging dump of the show list: every entry's fields, every
// per-entry array and the titles, in a fixed order.
#include "doc/ExchangeText.h"
#include "doc/ShowEntry.h"
#include "doc/VersiluxDoc.h"

namespace {

template <typename T>
void AppendArray(wxString& out, const std::vector<T>& array, const char* label) {
    out << "\n" << array.size() << label;
    for (size_t j = 0; j < array.size(); ++j) {
        out << "Flag " << j << " " << static_cast<unsigned>(array[j]) << "\n";
    }
}

}  // namespace

wxString CVersiluxDoc::FormatDebugShowGo() {
    BuildShowList();
    wxString out;
    out << m_show.m_arrEntries.size() << " items\n\n";
    for (size_t i = 0; i < m_show.m_arrEntries.size(); ++i) {
        const auto fields = SplitEntry(m_show.m_arrEntries[i]);
        out << "============================\nItem " << i << "\n";
        out << "nType " << fields[0] << "\n";
        out << "sH1 " << fields[1] << "\n";
        out << "sH2 " << fields[2] << "\n";
        out << "sF1 " << fields[3] << "\n";
        out << "sF2 " << fields[4] << "\n";
    }
    AppendArray(out, m_show.m_arrEntryFlags, " scheduleflags\n\n");
    AppendArray(out, m_show.m_arrPartNumber, " schedulecount\n\n");
    AppendArray(out, m_show.m_arrPartCount, " schedulecountof\n\n");
    AppendArray(out, m_show.m_arrFgRed, " FRcol\n\n");
    AppendArray(out, m_show.m_arrFgGreen, " FGcol\n\n");
    AppendArray(out, m_show.m_arrFgBlue, " FBcol\n\n");
    AppendArray(out, m_show.m_arrFg2Red, " F2Rcol\n\n");
    AppendArray(out, m_show.m_arrFg2Green, " F2Gcol\n\n");
    AppendArray(out, m_show.m_arrFg2Blue, " F2Bcol\n\n");
    AppendArray(out, m_show.m_arrBgRed, " BRcol\n\n");
    AppendArray(out, m_show.m_arrBgGreen, " BGcol\n\n");
    AppendArray(out, m_show.m_arrBgBlue, " BBcol\n\n");
    AppendArray(out, m_show.m_arrTranspose, " Transpose\n\n");
    AppendArray(out, m_show.m_arrPreferFlats, " PreferFlats\n\n");
    out << "\n" << m_show.m_arrTitles.size() << " scheduleitemnames\n\n";
    for (size_t j = 0; j < m_show.m_arrTitles.size(); ++j) {
        out << "Title " << j << " " << m_show.m_arrTitles[j] << "\n";
    }
    return out;
}

bool CVersiluxDoc::WriteDebugShowGo(const wxString& strPath, wxString& strError) {
    return WriteExchangeFile(strPath, FormatDebugShowGo(), strError);
}
