// The item editor's tools: Symbols and Insert, Remove Sym, Place Chords,
// Preview (a show of the loaded item while the editor stays open) and
// Printable with the print-transpose loop after it.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/clipbrd.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include <memory>

#include "app/MainFrame.h"
#include "doc/CommandIds.h"
#include "doc/VersiluxDoc.h"
#include "show/FullScreenWnd.h"
#include "support/Click.h"
#include "support/DialogExpectations.h"
#include "support/ItemEditorFixture.h"
#include "support/ShellFixture.h"
#include "support/SmallLibrary.h"
#include "support/WaitFor.h"
#include "view/VersiluxView.h"

namespace {

class ItemEditorToolsTest : public ItemEditorFixture {
  protected:
    // The editor with the item loaded from the list of all kinds.
    CDatabaseDlg& Loaded(long nID) {
        CDatabaseDlg& dlg = Editor();
        dlg.ChooseKind(0);
        dlg.GetItemList()->SetItemState(dlg.GetItemList()->FindItemID(static_cast<int>(nID)),
                                        wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
        EXPECT_EQ(dlg.m_nItemID, nID);
        return dlg;
    }
    bool SaveEnabled() { return Editor().GetButton(wxID_CANCEL)->IsEnabled(); }
    wxTextCtrl* Field1() { return Editor().GetField1Edit(); }
};

TEST_F(ItemEditorToolsTest, TheToolsAreOnFromTheStartPreviewWithAnItemPrintableForChartTypes) {
    const long nChart = m_library.AddItem("Chart", 7);
    const long nSong = m_library.AddItem("Song", 4);
    CDatabaseDlg& dlg = Editor();
    for (int nId : {ID_DB_SYMBOLS, ID_DB_INSERT, ID_DB_REMOVE_SYM, ID_DB_PLACE_CHORDS}) {
        EXPECT_TRUE(dlg.GetButton(nId)->IsEnabled()) << nId;
    }
    EXPECT_FALSE(dlg.GetButton(ID_DB_PREVIEW)->IsEnabled());
    EXPECT_FALSE(dlg.GetButton(ID_DB_PRINTABLE)->IsEnabled());
    EXPECT_FALSE(dlg.GetSymbolBox()->IsEnabled());  // display only

    Loaded(nSong);
    EXPECT_TRUE(dlg.GetButton(ID_DB_PREVIEW)->IsEnabled());
    EXPECT_FALSE(dlg.GetButton(ID_DB_PRINTABLE)->IsEnabled());
    Loaded(nChart);
    EXPECT_TRUE(dlg.GetButton(ID_DB_PRINTABLE)->IsEnabled());
    // A kind chosen again unloads the item: nothing to preview or print.
    dlg.ChooseKind(1);
    EXPECT_FALSE(dlg.GetButton(ID_DB_PREVIEW)->IsEnabled());
    EXPECT_FALSE(dlg.GetButton(ID_DB_PRINTABLE)->IsEnabled());
}

TEST_F(ItemEditorToolsTest, InsertPastesTheSymbolsInTurnAtTheCaretAndLeavesTheClipboardAlone) {
    const long nID = m_library.AddItem("Chart", 3, "|{G}Amazing {C}grace|");
    CDatabaseDlg& dlg = Loaded(nID);
    {
        wxClipboardLocker clipboard;
        wxTheClipboard->SetData(new wxTextDataObject("operator's own"));
    }
    Click(ID_DB_SYMBOLS);
    EXPECT_EQ(dlg.m_symbols, (std::vector<wxString>{"|{G}", "{C}", "|"}));
    EXPECT_EQ(dlg.GetSymbolBox()->GetValue(), "|{G}");
    EXPECT_FALSE(SaveEnabled());  // collecting changes no text

    // Four inserts on the next line: the first, second, third and first again.
    Field1()->AppendText("\nHow sweet the sound");
    Field1()->SetInsertionPoint(Field1()->GetLastPosition() - 5);
    for (int n = 0; n < 3; ++n) {
        Click(ID_DB_INSERT);
    }
    EXPECT_EQ(Field1()->GetValue(), "|{G}Amazing {C}grace|\nHow sweet the |{G}{C}|sound");
    EXPECT_EQ(dlg.GetSymbolBox()->GetValue(), "|{G}");
    // Over a selection: it is replaced.
    Field1()->SetSelection(0, 4);
    Click(ID_DB_INSERT);
    EXPECT_EQ(Field1()->GetValue(), "|{G}Amazing {C}grace|\nHow sweet the |{G}{C}|sound");
    EXPECT_EQ(dlg.GetSymbolBox()->GetValue(), "{C}");
    EXPECT_TRUE(SaveEnabled());

    wxString text;
    {
        wxClipboardLocker clipboard;
        wxTextDataObject data;
        ASSERT_TRUE(wxTheClipboard->GetData(data));
        text = data.GetText();
    }
    EXPECT_EQ(text, "operator's own");

    // Saved, the pasted marks are in the item with its line ends.
    wxTEST_DIALOG(Click(wxID_CANCEL), AnswerMessageBox(wxID_YES));
    EXPECT_EQ(m_library.Source().QueryText(
                  wxString::Format("SELECT Field1 FROM items WHERE ID=%ld", nID)),
              "|{G}Amazing {C}grace|\r\nHow sweet the |{G}{C}|sound");
}

TEST_F(ItemEditorToolsTest, WithoutSymbolsInsertSaysSoAndChangesNothing) {
    const long nPlain = m_library.AddItem("Plain", 3, "no marks at all");
    const long nMarked = m_library.AddItem("Marked", 3, "{D}one");
    Loaded(nPlain);
    wxString text;
    // Before Symbols was ever used.
    wxTEST_DIALOG(Click(ID_DB_INSERT), ExpectMessageBox(&text));
    EXPECT_EQ(text, "No symbols to insert");

    // A single symbol comes round again each time.
    Loaded(nMarked);
    Click(ID_DB_SYMBOLS);
    Field1()->SetInsertionPointEnd();
    Click(ID_DB_INSERT);
    Click(ID_DB_INSERT);
    EXPECT_EQ(Field1()->GetValue(), "{D}one{D}{D}");

    // Symbols on a text without marks collects nothing, in a new editor.
    m_pDlg.reset();
    Loaded(nPlain);
    Click(ID_DB_SYMBOLS);
    EXPECT_TRUE(Editor().m_symbols.empty());
    text.clear();
    wxTEST_DIALOG(Click(ID_DB_INSERT), ExpectMessageBox(&text));
    EXPECT_EQ(text, "No symbols to insert");
    EXPECT_EQ(Field1()->GetValue(), "no marks at all");
    EXPECT_FALSE(SaveEnabled());
}

TEST_F(ItemEditorToolsTest, SymbolsOnATextWithoutMarksKeepsTheSymbolShown) {
    const long nID = m_library.AddItem("Chart", 3, "|{G}Amazing");
    Loaded(nID);
    Click(ID_DB_SYMBOLS);
    Field1()->ChangeValue("plain words now");
    Click(ID_DB_SYMBOLS);
    EXPECT_EQ(Editor().GetSymbolBox()->GetValue(), "|{G}");
    wxString text;
    wxTEST_DIALOG(Click(ID_DB_INSERT), ExpectMessageBox(&text));
    EXPECT_EQ(text, "No symbols to insert");
}

TEST_F(ItemEditorToolsTest, RemoveSymTakesTheMarkupOutOfEveryBoxDisabledOnesToo) {
    const long nID = m_library.AddItem("Song", 4, "|{G}Amazing {C}grace|\nhow  sweet");
    CDatabaseDlg& dlg = Loaded(nID);
    ASSERT_FALSE(dlg.GetField2Edit()->IsEnabled());  // type 4 has no second text
    dlg.GetField2Edit()->ChangeValue("{Am}left  over");
    dlg.GetHeading1Edit()->ChangeValue("Head|ing");
    Click(ID_DB_REMOVE_SYM);
    EXPECT_EQ(Field1()->GetValue(), "Amazing grace\nhow sweet");
    EXPECT_EQ(dlg.GetHeading1Edit()->GetValue(), "Heading");
    EXPECT_EQ(dlg.GetField2Edit()->GetValue(), "left over");
    EXPECT_EQ(dlg.GetHeading2Edit()->GetValue(), "");
    // The changed boxes are edits of the item, as if typed.
    EXPECT_TRUE(SaveEnabled());

    // Boxes without markup are left alone: nothing to save.
    m_pDlg.reset();
    Loaded(m_library.AddItem("Plain", 4, "plain words"));
    Click(ID_DB_REMOVE_SYM);
    EXPECT_EQ(Field1()->GetValue(), "plain words");
    EXPECT_FALSE(SaveEnabled());
}

TEST_F(ItemEditorToolsTest, PlaceChordsMergesThePairsOfTheBoxAndIsAnEdit) {
    const long nID =
        m_library.AddItem("Chart", 3, "G       C\r\nAmazing grace\r\nC  G  D\r\nOh\r\nCoda");
    CDatabaseDlg& dlg = Loaded(nID);
    ASSERT_EQ(Field1()->GetValue(), "G       C\nAmazing grace\nC  G  D\nOh\nCoda");
    Click(ID_DB_PLACE_CHORDS);
    // The box keeps its own line ends; the unpaired last line stays as it was.
    EXPECT_EQ(Field1()->GetValue(), "{G}Amazing {C}grace\n{C}Oh{ G  D}\nCoda");
    EXPECT_TRUE(SaveEnabled());
    wxTEST_DIALOG(dlg.SaveItem(), AnswerMessageBox(wxID_YES));
    EXPECT_EQ(m_library.Source().QueryText(
                  wxString::Format("SELECT Field1 FROM items WHERE ID=%ld", nID)),
              "{G}Amazing {C}grace\r\n{C}Oh{ G  D}\r\nCoda");
}

TEST_F(ItemEditorToolsTest, PrintableThatDoneRefusesLeavesTheEditorOpenAndPrintModeOff) {
    const long nID = m_library.AddItem("Chart", 8, "{G}la", 2, true);
    CDatabaseDlg& dlg = Loaded(nID);
    dlg.GetHeading2Edit()->SetValue(wxString('x', 51));
    wxString text;
    wxTEST_DIALOG(Click(ID_DB_PRINTABLE), AnswerMessageBox(wxID_NO), ExpectMessageBox(&text));
    EXPECT_EQ(text, "Please enter no more than 50 characters.");
    EXPECT_FALSE(Doc().m_bPrintable);

    dlg.GetHeading2Edit()->SetValue("fine");
    wxTEST_DIALOG(Click(ID_DB_PRINTABLE), AnswerMessageBox(wxID_NO));
    EXPECT_TRUE(Doc().m_bPrintable);
    EXPECT_FALSE(Doc().m_bShowSearch);
    EXPECT_FALSE(Doc().m_bShowStats);
    EXPECT_EQ(Doc().m_nPrintTranspose, 2);
    EXPECT_TRUE(Doc().m_bPrintPreferFlats);
    // The printable view shows the loaded item.
    EXPECT_EQ(Doc().m_pItemsSet->m_ID, nID);
}

// Through the menu: Printable closes the editor, then "Transpose for
// Printing" runs until Continue, each run's values copied back.
TEST(ItemEditorPrintable, TheTransposeLoopRunsUntilContinueAndKeepsWhatPreviewTook) {
    ShellFixture shell;
    shell.Source().Exec(
        "INSERT INTO items (Title, Field1, Type, Subtype, VPD, Transpose, PreferFlats) VALUES "
        "('AAA Printable chart', '{G}la', 3, 3, (SELECT VPD_Default FROM config), -3, 0)");
    const long nID = shell.Source().QueryNumber("SELECT max(ID) FROM items");
    shell.Doc().m_bPrintBW = true;  // left over from an earlier print
    std::vector<std::tuple<int, bool, bool>> primed;
    auto run = [&](int nTranspose, bool bFlats, bool bBW, int nAnswer) {
        return wxExpectModal<CPrintTransposeDlg>([=, &primed](CPrintTransposeDlg& dlg) {
            primed.emplace_back(std::stoi(dlg.GetTransposeEdit()->GetValue().ToStdString()),
                                dlg.GetPreferFlatsBox()->GetValue(),
                                dlg.GetBlackWhiteBox()->GetValue());
            dlg.GetTransposeEdit()->ChangeValue(wxString::Format("%d", nTranspose));
            dlg.GetPreferFlatsBox()->SetValue(bFlats);
            dlg.GetBlackWhiteBox()->SetValue(bBW);
            return nAnswer == wxID_OK ? PressOK(dlg) : nAnswer;
        });
    };
    wxTEST_DIALOG(
        shell.Command(ID_SHOW_DATABASE), wxExpectModal<CDatabaseDlg>([nID](CDatabaseDlg& dlg) {
            dlg.ChooseKind(0);
            dlg.GetItemList()->SetItemState(dlg.GetItemList()->FindItemID(static_cast<int>(nID)),
                                            wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
            dlg.Printable();
            return wxID_OK;  // Done, as Printable pressed it
        }),
        run(5, true, false, wxID_OK), run(7, false, true, wxID_OK),
        run(11, true, false, wxID_CANCEL));
    // Primed from the item, in colour; then each time with what Preview took.
    EXPECT_EQ(primed, (std::vector<std::tuple<int, bool, bool>>{
                          {-3, false, false}, {5, true, false}, {7, false, true}}));
    // Continue took nothing of what was typed last.
    CVersiluxDoc& doc = shell.Doc();
    EXPECT_TRUE(doc.m_bPrintable);
    EXPECT_EQ(doc.m_nPrintTranspose, 7);
    EXPECT_FALSE(doc.m_bPrintPreferFlats);
    EXPECT_TRUE(doc.m_bPrintBW);
    EXPECT_EQ(doc.m_pItemsSet->m_ID, nID);
}

TEST(ItemEditorPrintable, DoneRunsNoTransposeLoop) {
    ShellFixture shell;
    shell.Doc().m_bPrintable = true;  // an earlier printable view
    wxTEST_DIALOG(shell.Command(ID_SHOW_DATABASE),
                  wxExpectModal<CDatabaseDlg>([](CDatabaseDlg&) { return wxID_OK; }));
    EXPECT_FALSE(shell.Doc().m_bPrintable);
}

// ---- Preview: a real modal run of the editor, the show in its own window ----

class PreviewTest : public testing::Test {
  protected:
    void SetUp() override {
        // Three parts, so the show has screens to step through.
        shell.Source().Exec(
            "INSERT INTO items (Title, Field1, Type, Subtype, VPD, Transpose) VALUES "
            "('AAA Preview chart', '{G}one\r\n&\r\n{C}two\r\n&\r\n{D}three', 3, 3, "
            "(SELECT VPD_Default FROM config), 0)");
        m_nID = shell.Source().QueryNumber("SELECT max(ID) FROM items");
    }
    CVersiluxView& View() { return shell.View(); }
    CFullScreenWnd* Display() { return dynamic_cast<CFullScreenWnd*>(shell.Display()); }
    bool PreviewEnabled(CDatabaseDlg& dlg) {
        dlg.UpdateWindowUI(wxUPDATE_UI_RECURSE);
        return dlg.GetButton(ID_DB_PREVIEW)->IsEnabled();
    }
    // Loads the item and presses Preview; true when its first screen is up.
    bool StartPreview(CDatabaseDlg& dlg) {
        dlg.ChooseKind(0);
        dlg.GetItemList()->SetItemState(dlg.GetItemList()->FindItemID(static_cast<int>(m_nID)),
                                        wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
        if (!PreviewEnabled(dlg)) {
            return false;
        }
        ::Click(dlg.GetButton(ID_DB_PREVIEW));
        return WaitFor([this] {
            return Display() != nullptr && Display()->HasScreenMarker() &&
                   View().GetShowState().m_nNextEntry == 1;
        });
    }
    // Keys typed on the keyboard while the display window has the focus.
    bool TypeOnDisplay(int nKeyCode) {
        if (Display() == nullptr) {
            return false;
        }
        Display()->Raise();
        if (!WaitFor([this] { return Display() != nullptr && Display()->IsActive(); })) {
            return false;
        }
        wxUIActionSimulator().Char(nKeyCode);
        return true;
    }
    // The editor's run ends from inside; never left hanging open.
    static void End(CDatabaseDlg& dlg) {
        dlg.Raise();
        dlg.EndModal(wxID_OK);
    }

    ShellFixture shell;
    long m_nID = 0;
};

TEST_F(PreviewTest, TheDisplayTakesTheShowKeysWhileTheEditorStaysOpenAndPreviewReturnsAtTheEnd) {
    CDatabaseDlg dlg(&shell.Frame(), &shell.Doc());
    bool bStarted = false;
    bool bOffDuringShow = false;
    bool bStepped = false;
    bool bEnded = false;
    bool bOnAgain = false;
    wxString strField1;
    dlg.CallAfter([&] {
        bStarted = StartPreview(dlg);
        if (bStarted) {
            EXPECT_TRUE(shell.Doc().m_bPreview);
            bOffDuringShow = !PreviewEnabled(dlg);
            strField1 = dlg.GetField1Edit()->GetValue();
            // Space and Down (a click's key) step on, on the display window.
            bStepped = TypeOnDisplay(' ') &&
                       WaitFor([this] { return View().GetShowState().m_nNextEntry == 2; }) &&
                       TypeOnDisplay(WXK_DOWN) &&
                       WaitFor([this] { return View().GetShowState().m_nNextEntry == 3; });
            // After the last part the preview ends by itself.
            bEnded = TypeOnDisplay(WXK_DOWN) && WaitFor([this] { return !View().IsShowRunning(); });
            bOnAgain = WaitFor([&] { return PreviewEnabled(dlg); });
        }
        End(dlg);
    });
    dlg.ShowModal();
    EXPECT_TRUE(bStarted);
    EXPECT_TRUE(bOffDuringShow);
    EXPECT_TRUE(bStepped);
    EXPECT_TRUE(bEnded);
    EXPECT_TRUE(bOnAgain);
    EXPECT_FALSE(shell.Doc().m_bPreview);
    // The keys never reached the editor's boxes.
    EXPECT_EQ(dlg.GetField1Edit()->GetValue(), strField1);
    EXPECT_FALSE(dlg.HasUnsavedEdits());
    EXPECT_EQ(ShellFixture::CountDisplayWindows(), 0);
}

TEST_F(PreviewTest, ClicksOnTheDisplayStepThePreviewWhileTheEditorIsOpen) {
    CDatabaseDlg dlg(&shell.Frame(), &shell.Doc());
    bool bStarted = false;
    bool bForward = false;
    bool bBack = false;
    dlg.CallAfter([&] {
        bStarted = StartPreview(dlg);
        if (bStarted) {
            // The pointer on the display, as an operator clicks on the projected screen.
            Display()->Raise();
            wxUIActionSimulator mouse;
            mouse.MouseMove(Display()->GetScreenRect().GetPosition() + wxPoint(10, 10));
            mouse.MouseClick(wxMOUSE_BTN_LEFT);
            bForward = WaitFor([this] { return View().GetShowState().m_nNextEntry == 2; });
            mouse.MouseClick(wxMOUSE_BTN_RIGHT);
            bBack = bForward && WaitFor([this] { return View().GetShowState().m_nNextEntry == 1; });
            if (Display() != nullptr) {
                TypeOnDisplay('Q');
                WaitFor([this] { return !View().IsShowRunning(); });
            }
        }
        End(dlg);
    });
    dlg.ShowModal();
    EXPECT_TRUE(bStarted);
    EXPECT_TRUE(bForward);
    EXPECT_TRUE(bBack);
}

TEST_F(PreviewTest, QuitBeforeTheEndLeavesNoPreviewBehindForTheNextGo) {
    CDatabaseDlg dlg(&shell.Frame(), &shell.Doc());
    bool bStarted = false;
    bool bStopped = false;
    bool bShrunk = false;
    dlg.CallAfter([&] {
        bStarted = StartPreview(dlg);
        if (bStarted) {
            // Escape on the display shrinks it; the editor stays open.
            bShrunk = TypeOnDisplay(WXK_ESCAPE) &&
                      WaitFor([this] { return Display() != nullptr && !Display()->IsPlaced(); }) &&
                      dlg.IsModal();
            bStopped = TypeOnDisplay('Q') && WaitFor([this] { return !View().IsShowRunning(); });
        }
        End(dlg);
    });
    dlg.ShowModal();
    EXPECT_TRUE(bStarted);
    EXPECT_TRUE(bShrunk);
    EXPECT_TRUE(bStopped);
    // No schedule is chosen: Go has nothing to show.
    EXPECT_FALSE(shell.Doc().m_bPreview);
    EXPECT_FALSE(shell.IsEnabled(ID_SHOW_GO));
}

}  // namespace
