// Walking the show list by items: an item is a run of entries joined by the
// part flags (1: another part follows, 2: continues the previous entry).
#include "doc/VersiluxDoc.h"

namespace {
constexpr unsigned char kMorePartsFollow = 1;
constexpr unsigned char kContinuesPrevious = 2;
}  // namespace

int CVersiluxDoc::LastPartOf(int i) const {
    while (i < m_show.m_nLastEntry && (GetEntryFlags(i) & kMorePartsFollow) != 0) {
        ++i;
    }
    return i;
}

int CVersiluxDoc::FirstPartOf(int i) const {
    while (i > 0 && (GetEntryFlags(i) & kContinuesPrevious) != 0) {
        --i;
    }
    return i;
}

int CVersiluxDoc::EntryOfItem(int n) const {
    int i = 0;
    while (i < m_show.m_nLastEntry && n > 1) {
        while ((GetEntryFlags(i) & kMorePartsFollow) != 0 && i < m_show.m_nLastEntry) {
            ++i;
        }
        ++i;
        --n;
    }
    return i;
}

void CVersiluxDoc::TransposeItem(int i, int nDelta) {
    ++m_nShowRevision;
    // The end notice, the menu and positions before the first screen carry
    // no key of their own: only real entries change.
    const int nEntries = static_cast<int>(m_show.m_arrTranspose.size());
    i = FirstPartOf(i);
    if (i < 0 || i >= nEntries) {
        return;
    }
    for (;;) {
        int v = m_show.m_arrTranspose[static_cast<size_t>(i)] + nDelta;
        if (v < 0) {
            v += 12;
        } else if (v > 254) {
            v -= 12;
        }
        m_show.m_arrTranspose[static_cast<size_t>(i)] = static_cast<unsigned char>(v);
        if ((GetEntryFlags(i) & kMorePartsFollow) == 0 || i + 1 >= m_show.m_nLastEntry ||
            i + 1 >= nEntries) {
            break;
        }
        ++i;
    }
}
