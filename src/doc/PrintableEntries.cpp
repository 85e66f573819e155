// The single-item show list that printing reads, built without disturbing
// the show list a running show plays.
#include <tuple>
#include <utility>

#include "doc/VersiluxDoc.h"

namespace {

// Swaps the show list and its build state between the document and a
// holder; swapped in on construction and back on destruction, so even a
// failed build leaves the show's list as it was.
template <typename... Members>
class CSwappedState {
  public:
    explicit CSwappedState(Members&... members) : m_members(members...) { SwapAll(); }
    ~CSwappedState() { SwapAll(); }
    CSwappedState(const CSwappedState&) = delete;
    CSwappedState& operator=(const CSwappedState&) = delete;

  private:
    void SwapAll() { SwapEach(std::index_sequence_for<Members...>{}); }
    template <std::size_t... I>
    void SwapEach(std::index_sequence<I...>) {
        (std::swap(std::get<I>(m_members), std::get<I>(m_saved)), ...);
    }

    std::tuple<Members&...> m_members;
    std::tuple<Members...> m_saved{};
};

}  // namespace

std::vector<wxString> CVersiluxDoc::BuildPrintableEntries() {
    // The builder writes only these members; they hold the show's list and
    // position in its source while a show runs.
    CSwappedState saved(m_arrEntries, m_arrTitles, m_arrEntryFlags, m_arrPartNumber, m_arrPartCount,
                        m_arrFgRed, m_arrFgGreen, m_arrFgBlue, m_arrFg2Red, m_arrFg2Green,
                        m_arrFg2Blue, m_arrBgRed, m_arrBgGreen, m_arrBgBlue, m_arrTranspose,
                        m_arrPreferFlats, m_nLastEntry, m_nItemCount, m_strPartText,
                        m_strPartHeading, m_nPartIndex, m_bPreview, m_bPreviewDone);
    m_bPreview = true;
    BuildShowList();
    return m_arrEntries;
}
