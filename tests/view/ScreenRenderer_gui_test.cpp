// Real screens on a memory bitmap with real fonts: the pixels the audience
// sees, and the canvas's promises about font metrics.
#include <gtest/gtest.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/filename.h>
#include <algorithm>

#include "db/SqlText.h"
#include "doc/VersiluxDoc.h"
#include "support/MarkupTexts.h"
#include "support/SmallLibrary.h"
#include "view/FitText.h"
#include "view/ScreenRenderer.h"
#include "view/WxCanvas.h"

namespace {

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Rgb& c) {
    return os << "(" << c.r << "," << c.g << "," << c.b << ")";
}

class RenderTest : public testing::Test {
  protected:
    RenderTest() {
        m_lib.Exec("INSERT INTO Colours (ID, Name, Red, Green, Blue) VALUES (5, 'Red', 255, 0, 0)");
        m_lib.Exec("UPDATE config SET [Max Font]=900, [Normal Font]=720");
        m_state.m_rcShow = wxRect(0, 0, 640, 360);
    }
    long Item(int type, const wxString& heading1, const wxString& field1, int background = 1) {
        m_lib.Exec(wxString::Format(
            "INSERT INTO items (Title, Heading1, Heading2, Field1, Field2, Type, Subtype, "
            "Background, Foreground, Foreground2, VPD, Transpose, PreferFlats) VALUES "
            "('t', '%s', '', '%s', '', %d, 1, %d, 2, 3, 1, 0, 0)",
            EscapeSqlLiteral(heading1), EscapeSqlLiteral(field1), type, background));
        return m_lib.Source().QueryNumber("SELECT max(ID) FROM items");
    }
    // Shows entry i of a show of these items on a black bitmap.
    void Show(const std::vector<long>& items, int i, int mode = 0) {
        if (!m_pDoc) {
            m_pDoc = std::make_unique<CVersiluxDoc>();
        }
        m_pDoc->m_nScheduleID = static_cast<int>(m_lib.AddSchedule("s", items));
        m_pDoc->BuildShowList();
        m_state.m_nNextEntry = i;
        CScreenRenderer renderer(*m_pDoc, m_state);
        {
            wxMemoryDC dc(m_bitmap);
            dc.SetBackground(*wxBLACK_BRUSH);
            dc.Clear();
            WxCanvas canvas(dc, wxSize(96, 96));
            renderer.ShowScreen(canvas, mode);
        }
        m_image = m_bitmap.ConvertToImage();
    }
    Rgb At(int x, int y) const {
        return {m_image.GetRed(x, y), m_image.GetGreen(x, y), m_image.GetBlue(x, y)};
    }
    // How many pixels of rc are of the colour.
    int Count(const wxRect& rc, Rgb colour) const {
        int n = 0;
        for (int y = rc.y; y < rc.GetBottom() + 1; ++y) {
            for (int x = rc.x; x < rc.GetRight() + 1; ++x) {
                n += At(x, y) == colour;
            }
        }
        return n;
    }

    SmallLibrary m_lib;
    std::unique_ptr<CVersiluxDoc> m_pDoc;
    CShowState m_state;
    wxBitmap m_bitmap{640, 360, 24};
    wxImage m_image;
};

const Rgb kBlack{0, 0, 0};
const Rgb kWhite{255, 255, 255};
const Rgb kRed{255, 0, 0};
const Rgb kMagenta{255, 0, 255};

TEST_F(RenderTest, BlankScreenOfARedEntryIsRedAndMarked) {
    Show({Item(1, "Welcome", "", 5)}, 0, 1);
    EXPECT_EQ(At(0, 0), kMagenta);
    EXPECT_EQ(At(1, 0), kRed);
    EXPECT_EQ(Count(wxRect(0, 1, 640, 359), kRed), 640 * 359);
}

TEST_F(RenderTest, OutsideAPartialShowAreaStaysBlack) {
    m_state.m_rcShow = wxRect(100, 50, 400, 200);
    Show({Item(1, "Welcome", "", 5)}, 0);
    EXPECT_EQ(At(0, 0), kMagenta);
    EXPECT_EQ(Count(wxRect(0, 1, 640, 49), kBlack), 640 * 49);
    EXPECT_EQ(Count(wxRect(0, 250, 640, 110), kBlack), 640 * 110);
    EXPECT_EQ(Count(wxRect(0, 50, 100, 200), kBlack), 100 * 200);
    EXPECT_EQ(Count(wxRect(500, 50, 140, 200), kBlack), 140 * 200);
    EXPECT_EQ(At(101, 51), kRed);
    // The heading is drawn inside, in white.
    EXPECT_GT(Count(wxRect(100, 50, 400, 200), kWhite), 500);
}

TEST_F(RenderTest, PicturesAreScaledIntoTheShowAreaTopLeft) {
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) {
        wxInitAllImageHandlers();
    }
    wxImage picture(200, 100);
    picture.SetRGB(wxRect(0, 0, 100, 100), 255, 0, 0);
    picture.SetRGB(wxRect(100, 0, 100, 100), 0, 0, 255);
    const wxString path = m_lib.Source().Dir() + "/halves.png";
    ASSERT_TRUE(picture.SaveFile(path, wxBITMAP_TYPE_PNG));
    m_state.m_rcShow = wxRect(0, 0, 400, 360);
    Show({Item(50, path, "")}, 0);
    EXPECT_EQ(At(100, 100), kRed);
    EXPECT_EQ((At(300, 100)), (Rgb{0, 0, 255}));
    EXPECT_EQ(At(200, 300), kBlack);  // below the picture: the background
    EXPECT_EQ(At(500, 100), kBlack);  // outside the show area
}

// Fitted once and kept, a picture looks exactly as when the canvas scaled
// the whole file on every screen: transparency and odd factors included.
TEST_F(RenderTest, CachedPicturesLookAsTheWholeFileScaledByTheCanvas) {
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) {
        wxInitAllImageHandlers();
    }
    wxImage picture(333, 251, false);
    picture.InitAlpha();
    for (int y = 0; y < 251; ++y) {
        for (int x = 0; x < 333; ++x) {
            picture.SetRGB(x, y, x * 7 % 256, y * 3 % 256, (x ^ y) % 256);
            picture.SetAlpha(x, y, (x + y) % 256);
        }
    }
    const wxString path = m_lib.Source().Dir() + "/pattern.png";
    ASSERT_TRUE(picture.SaveFile(path, wxBITMAP_TYPE_PNG));
    const long item = Item(50, path, "");
    for (const wxRect& area : {wxRect(0, 0, 640, 360), wxRect(17, 9, 301, 299)}) {
        m_state.m_rcShow = area;
        // Drawn twice: the second time from the cache.
        Show({item}, 0);
        Show({item}, 0);
        const wxImage shown = m_image;
        // What the show drew before: the whole file, scaled by the canvas.
        const wxImage whole(path);
        const float scale = std::min(static_cast<float>(area.width) / whole.GetWidth(),
                                     static_cast<float>(area.height) / whole.GetHeight());
        const wxRect place(area.x, area.y,
                           std::min(area.width, static_cast<int>(whole.GetWidth() * scale)),
                           std::min(area.height, static_cast<int>(whole.GetHeight() * scale)));
        wxBitmap before(640, 360, 24);
        {
            wxMemoryDC dc(before);
            dc.SetBackground(*wxBLACK_BRUSH);
            dc.Clear();
            WxCanvas canvas(dc, wxSize(96, 96));
            canvas.DrawImage(whole, place);
        }
        const wxImage expected = before.ConvertToImage();
        int differ = 0;
        for (int y = 1; y < 360; ++y) {  // row 0 holds the screen marker
            for (int x = 0; x < 640; ++x) {
                differ += shown.GetRed(x, y) != expected.GetRed(x, y) ||
                          shown.GetGreen(x, y) != expected.GetGreen(x, y) ||
                          shown.GetBlue(x, y) != expected.GetBlue(x, y);
            }
        }
        EXPECT_EQ(differ, 0) << area.x << "," << area.y;
    }
    EXPECT_EQ(m_pDoc->m_pictures.DecodeCount(), 2);
}

TEST(WxCanvas, FontMetricsKeepTheirPromises) {
    wxBitmap bitmap(100, 100, 24);
    wxMemoryDC dc(bitmap);
    WxCanvas canvas(dc, wxSize(96, 96));
    canvas.SetFont(720);  // 96 pixels: Arial's line is about 1.15 of that
    const int line = canvas.GetLineHeight();
    EXPECT_GE(line, 100);
    EXPECT_LE(line, 115);
    EXPECT_EQ(canvas.GetTextExtent(""), wxSize(0, line));
    // Glyphs from a fallback font do not change the line height.
    EXPECT_EQ(canvas.GetTextExtent(wxString::FromUTF8("\xE4\xB8\xAD\xE6\x96\x87")).y, line);
    EXPECT_EQ(canvas.GetTextExtent("Ag").y, line);
    const int width = canvas.GetTextExtent("Amazing").x;
    EXPECT_GT(width, 200);
    EXPECT_EQ(canvas.GetTextExtent("Amazing").x, width);
    EXPECT_EQ(canvas.GetDeviceMeasureCount(), 3);  // the repeat was remembered
    // A line end inside a line takes a space's room instead of a new line.
    EXPECT_EQ(canvas.GetTextExtent("a\r\nb").x, canvas.GetTextExtent("a  b").x);
    canvas.SetFont(360);
    EXPECT_LT(canvas.GetTextExtent("Amazing").x, width);
}

// Fitting passes over sizes whose fonts it never makes, trusting that a
// line is at least as high as the font's pixel height.
TEST(WxCanvas, LinesAreNeverLowerThanTheFontsPixelHeight) {
    wxBitmap bitmap(100, 100, 24);
    wxMemoryDC dc(bitmap);
    for (const wxSize dpi : {wxSize(96, 96), wxSize(300, 300)}) {
        WxCanvas canvas(dc, dpi);
        for (int size :
             {-10, 1, 5, 10, 15, 25, 50, 75, 100, 135, 200, 455, 720, 900, 2005, 7200, 72000}) {
            canvas.SetFont(size);
            EXPECT_GE(canvas.GetLineHeight(), FontPixelHeight(size, dpi.y))
                << "size " << size << " at " << dpi.y << " dpi";
        }
    }
}

// A configured size of 7200 points ends where a walk from a size already
// too high for the box ends, without a font for every step in between.
TEST(WxCanvas, AHugeStartSizeFitsAsTheWalkWouldWithRealFonts) {
    wxBitmap bitmap(100, 100, 24);
    wxMemoryDC dc(bitmap);
    wxString verse;
    for (int i = 0; i < 12; ++i) {
        verse += "When {C}peace, like a {F}river, at{C}tendeth my {G7}way,\r\n";
    }
    const wxSize box(1920, 1080);
    WxCanvas walkCanvas(dc, wxSize(96, 96));
    const CFitResult walk = FitTextToBox(walkCanvas, verse, 1000, box, 0, false, FitSearch::Walk);
    WxCanvas prunedCanvas(dc, wxSize(96, 96));
    const CFitResult pruned =
        FitTextToBox(prunedCanvas, verse, 72000, box, 0, false, FitSearch::Pruned);
    EXPECT_EQ(pruned.nSize, walk.nSize);
    EXPECT_EQ(pruned.extent, walk.extent);
    EXPECT_EQ(prunedCanvas.GetLineHeight(), walkCanvas.GetLineHeight());
}

// With real fonts, widths need not grow steadily with the size; the pruned
// search must still choose exactly the size and extent of the walk.
TEST(WxCanvas, PrunedFitEqualsTheWalkWithRealFonts) {
    wxBitmap bitmap(100, 100, 24);
    wxMemoryDC dc(bitmap);
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> width(50, 1920);
    std::uniform_int_distribution<int> height(20, 1080);
    const int starts[] = {900, 720, 455, 200};
    for (int i = 0; i < 400; ++i) {
        const wxString text = RandomMarkupText(rng);
        const wxSize box(width(rng), height(rng));
        const int start = starts[i % 4];
        WxCanvas walkCanvas(dc, wxSize(96, 96));
        const CFitResult walk =
            FitTextToBox(walkCanvas, text, start, box, 2, false, FitSearch::Walk);
        WxCanvas prunedCanvas(dc, wxSize(96, 96));
        const CFitResult pruned =
            FitTextToBox(prunedCanvas, text, start, box, 2, false, FitSearch::Pruned);
        ASSERT_EQ(walk.nSize, pruned.nSize) << "case " << i;
        ASSERT_EQ(walk.extent, pruned.extent) << "case " << i;
    }
}

}  // namespace
