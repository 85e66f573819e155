// The main view in the main window: what a paint records, and the listing
// keys when no show runs.
#include <gtest/gtest.h>

#include "app/MainFrame.h"
#include "doc/CommandIds.h"
#include "doc/VersiluxDoc.h"
#include "support/ShellFixture.h"
#include "support/WaitFor.h"
#include "view/VersiluxView.h"
#include "view/ViewCanvas.h"

namespace {

class MainViewTest : public testing::Test {
  protected:
    // Lists every demo item as a search result and paints it.
    void ShowSearchOfAllItems() {
        CVersiluxDoc& doc = shell.Doc();
        shell.Source().Exec(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300) "
            "INSERT INTO items (Title, Field1, Type, VPD) SELECT 'Row ' || i, 'a hit', 5, 1 "
            "FROM n");
        doc.m_strSearchPhrase = "hit";
        doc.m_bShowSearch = true;
        doc.m_bSearchThisVPD = true;
        doc.m_pItemsSet->m_strFilter = "Field1 LIKE '%hit%'";
        doc.m_pItemsSet->Open();
        Repaint();
    }
    void Repaint() {
        shell.Doc().RefreshViews();
        shell.View().GetCanvas()->Update();
        ProcessPending();
    }
    CViewCanvas& Canvas() { return *shell.View().GetCanvas(); }

    ShellFixture shell;
};

TEST_F(MainViewTest, PageKeysScrollASearchListingByTwentyRows) {
    ShowSearchOfAllItems();
    const int h = shell.View().GetListingRecord().m_nSearchLineHeight;
    ASSERT_GT(h, 0);
    EXPECT_TRUE(shell.View().GetListingRecord().m_bSearchMore);
    EXPECT_GT(shell.View().GetListingRecord().m_nSearchItemCount, 0);
    shell.Frame().SetClientSize(800, 400);  // less than the listing
    ProcessPending();
    ASSERT_EQ(Canvas().GetScrollTopPixels(), 0);
    shell.Key(WXK_PAGEDOWN);
    const int step = 20 * h / CViewCanvas::kScrollUnit * CViewCanvas::kScrollUnit;
    EXPECT_EQ(Canvas().GetScrollTopPixels(), step);
    shell.Key(WXK_PAGEDOWN);
    shell.Key(WXK_PAGEUP);
    EXPECT_EQ(Canvas().GetScrollTopPixels(), step);
    shell.Key(WXK_PAGEUP);
    EXPECT_EQ(Canvas().GetScrollTopPixels(), 0);
    // The keypad's page keys with NumLock off page the same way.
    shell.Key(WXK_NUMPAD_PAGEDOWN);
    EXPECT_EQ(Canvas().GetScrollTopPixels(), step);
    shell.Key(WXK_NUMPAD_PAGEUP);
    EXPECT_EQ(Canvas().GetScrollTopPixels(), 0);

    // A new search page starts at the top.
    shell.Key(WXK_PAGEDOWN);
    shell.Doc().m_bScrollTop = true;
    Repaint();
    EXPECT_EQ(Canvas().GetScrollTopPixels(), 0);
    EXPECT_FALSE(shell.Doc().m_bScrollTop);
}

TEST_F(MainViewTest, PageKeysDoNothingOverOtherListings) {
    shell.SelectSchedule(1);
    Repaint();
    EXPECT_EQ(shell.View().GetListingRecord().m_nSearchLineHeight, 0);
    shell.Frame().SetClientSize(800, 100);
    ProcessPending();
    shell.Key(WXK_PAGEDOWN);
    EXPECT_EQ(Canvas().GetScrollTopPixels(), 0);
    // Other keys without a show do nothing either.
    shell.Key(WXK_DOWN);
    shell.Key('B');
    EXPECT_FALSE(shell.View().IsShowRunning());
    EXPECT_EQ(shell.Display(), nullptr);
}

TEST_F(MainViewTest, TheListingAreaIsAThousandByFifteenHundred) {
    shell.Frame().SetClientSize(600, 400);
    ProcessPending();
    int w = 0;
    int h = 0;
    Canvas().GetVirtualSize(&w, &h);
    EXPECT_EQ(w, 1000);
    EXPECT_EQ(h, 1500);
}

}  // namespace
