// Paints show screens: the layout of each screen type with fitted fonts,
// chords over lyrics, part counters, the "Next: " line and pictures. It
// draws the entry at the show position of a CShowState from the document's
// show list, on any Canvas.
#pragma once

#include <wx/gdicmn.h>
#include <wx/string.h>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "view/Canvas.h"
#include "view/FitText.h"
#include "view/MarkedLine.h"
#include "view/ShowState.h"

class CVersiluxDoc;

// The screen type of a show entry: the leading digits of its first field.
int ScreenTypeOf(const wxString& strEntry);
// Screens that do more than draw (the end notice of a preview ends it, the
// menu entry opens the end menu): they are drawn only when their key comes.
bool IsDrawnOnlyOnItsKey(int nType, bool bPreview);

class CScreenRenderer {
  public:
    CScreenRenderer(CVersiluxDoc& doc, CShowState& state);

    // Mode 0 and mode 2: shows the entry at m_nNextEntry in its show area.
    // Mode 1: the blank screen, the show area in that entry's background.
    // The show position is not advanced (the caller does that).
    void ShowScreen(Canvas& dc, int nMode);

    // Fits strText into rc from the configured Max Font (bMaxFont) or Normal
    // Font, measuring chords transposed; returns its extent. The fitted font
    // stays selected until ReleaseShowFont.
    wxSize FitText(Canvas& dc, const wxString& strText, bool bMaxFont, const wxRect& rc,
                   int nTranspose, bool bPreferFlats, FitShape shape = FitShape::AsTyped);
    // Draws (or, with pExtent, measures) one marked line in the colours of
    // the entry at the show position.
    void DrawMarkedLine(Canvas& dc, int x, int y, int nChordOffset, const wxString& strLine,
                        int nTranspose, bool bPreferFlats, wxSize* pExtent = nullptr);
    // The picture screen: the picture file scaled into the show area, or its
    // path when it cannot be loaded.
    void ShowPicture(Canvas& dc, const wxString& strPath);
    // Goes back to the canvas's default font if a show font is selected.
    void ReleaseShowFont(Canvas& dc);

    // The menu entry: called with the canvas while its cleared screen is
    // shown. The view runs the show menu here; its "Go Back" subtracts 2 from
    // m_nNextEntry, calls ShowScreen(dc, 0) and adds 1.
    std::function<void(Canvas&)> m_onMenuEntry;
    // The end notice of a single-item preview: called instead of drawing it,
    // after m_bPreview is cleared; the view stops the show once it returns.
    std::function<void()> m_onStopShow;

    FitSearch m_fitSearch = FitSearch::Pruned;

  private:
    struct Box {
        int l = 0, t = 0, r = 0, b = 0;
        int W() const { return r - l; }
        int H() const { return b - t; }
        wxRect Rect() const { return wxRect(l, t, r - l, b - t); }
    };
    using Placer = std::function<wxPoint(wxSize)>;

    CLineColours Colours() const;
    void SelectShowFont(Canvas& dc, int nSize);
    void Heading(Canvas& dc, const wxString& strText, const Box& box, int nFitTranspose,
                 bool bFitFlats, const Placer& place);
    void PlainBlock(Canvas& dc, const wxString& strText, const Box& box);
    // One line of a chord block where it is drawn: its chord line's top at
    // (x, y), its lyric offset below; size is its lyric width and full height.
    struct BlockLine {
        wxString text;
        int x = 0, y = 0, offset = 0;
        wxSize size;
    };
    // The lines of a chord block fitted to extent in box. x of a line of
    // lyric width w is multiX(w, cx) for the block width cx; a text of one
    // line is drawn at singleX(cx), with its chords above it all the same.
    std::vector<BlockLine> LayOutChordBlock(Canvas& dc, const wxString& strText, const Box& box,
                                            wxSize extent, const std::function<int(int)>& singleX,
                                            const std::function<int(int, int)>& multiX);
    // Draws the block; returns its width.
    int ChordBlock(Canvas& dc, const wxString& strText, const Box& box, wxSize extent,
                   const std::function<int(int)>& singleX,
                   const std::function<int(int, int)>& multiX);
    // Whether a drawn line of the block would run into rc.
    bool BlockMeets(Canvas& dc, const std::vector<BlockLine>& lines, const wxRect& rc);
    void ContinuationArrows(Canvas& dc, const Box& show);
    void NextLine(Canvas& dc);
    void LayOut(Canvas& dc, int nType, const std::array<wxString, 5>& fields);

    CVersiluxDoc& m_doc;
    CShowState& m_state;
    // The size of the show font a fit or a fixed text selected, if any.
    std::optional<int> m_fontShow;
};
