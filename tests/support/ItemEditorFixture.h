// The item editor on a small library, built when first asked for, with its
// buttons clicked as the operator clicks them.
#pragma once

#include <gtest/gtest.h>
#include <wx/button.h>

#include <memory>

#include "dialogs/DatabaseDlg.h"
#include "doc/VersiluxDoc.h"
#include "support/Click.h"
#include "support/SmallLibrary.h"

class ItemEditorFixture : public testing::Test {
  protected:
    CVersiluxDoc& Doc() {
        if (!m_pDoc) {
            m_pDoc = std::make_unique<CVersiluxDoc>();
        }
        return *m_pDoc;
    }
    CDatabaseDlg& Editor() {
        if (!m_pDlg) {
            m_pDlg = std::make_unique<CDatabaseDlg>(nullptr, &Doc());
            m_pDlg->InitDialog();
        }
        return *m_pDlg;
    }
    // A click on an enabled button of the editor.
    void Click(int nId) {
        wxButton* button = Editor().GetButton(nId);
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->IsEnabled()) << button->GetLabel();
        ::Click(button);
    }

    SmallLibrary m_library;
    std::unique_ptr<CVersiluxDoc> m_pDoc;
    std::unique_ptr<CDatabaseDlg> m_pDlg;
};
