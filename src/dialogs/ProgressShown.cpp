#include "dialogs/ProgressShown.h"

#include <algorithm>

bool CProgressShown::operator()(int nDone, int nTotal) {
    const int nRange = std::max(nTotal, 1);
    if (!m_pDialog) {
        m_pDialog = std::make_unique<wxProgressDialog>(
            "Versilux", m_strMessage, nRange, m_pParent,
            wxPD_APP_MODAL | wxPD_AUTO_HIDE | wxPD_CAN_ABORT | wxPD_ELAPSED_TIME | m_nExtraStyle);
    }
    return m_pDialog->Update(std::clamp(nDone, 0, nRange));
}
