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
    // The show's list and the builder's state are set aside for the build
    // and put back afterwards, also when it fails: a running show plays on.
    CSwappedState saved(m_show, m_bPreview, m_bPreviewDone);
    m_bPreview = true;
    BuildShowList();
    return m_show.m_arrEntries;
}
