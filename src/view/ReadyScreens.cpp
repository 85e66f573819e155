#include "view/ReadyScreens.h"

#include <algorithm>

#include "view/ShowWindow.h"

std::shared_ptr<CPreparedScreen> CReadyScreens::Find(int n, const CReadyStamp& stamp) const {
    if (!(stamp == m_stamp)) {
        return nullptr;
    }
    const auto it = m_screens.find(n);
    return it == m_screens.end() ? nullptr : it->second;
}

void CReadyScreens::Keep(int n, const CReadyStamp& stamp, std::shared_ptr<CPreparedScreen> screen) {
    if (!(stamp == m_stamp)) {
        m_screens.clear();
        m_stamp = stamp;
    }
    m_screens[n] = std::move(screen);
}

void CReadyScreens::KeepOnly(const std::vector<int>& entries) {
    std::erase_if(m_screens, [&entries](const auto& screen) {
        return std::find(entries.begin(), entries.end(), screen.first) == entries.end();
    });
}

void CReadyScreens::Clear() {
    m_screens.clear();
}

std::vector<int> EntriesWorthDrawing(int nShown, int nPageDown, int nEntries) {
    std::vector<int> entries;
    for (const int n : {nShown + 1, nShown - 1, nPageDown, 0}) {
        if (n >= 0 && n < nEntries &&
            std::find(entries.begin(), entries.end(), n) == entries.end()) {
            entries.push_back(n);
        }
    }
    return entries;
}
