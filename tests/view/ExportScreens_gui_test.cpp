// Writing a schedule's screens as PNG files, on the demo library.
#include <gtest/gtest.h>
#include <wx/dir.h>
#include <wx/ffile.h>
#include <wx/filename.h>
#include <wx/image.h>

#include "doc/VersiluxDoc.h"
#include "support/TempDataSource.h"
#include "view/ExportScreens.h"

namespace {

class ExportScreensTest : public testing::Test {
  protected:
    TempDataSource m_source{TempDataSource::Content::Library};
    CVersiluxDoc m_doc;
};

TEST_F(ExportScreensTest, WritesOneMarkedPicturePerShowEntry) {
    for (int schedule : {1, 2}) {
        const wxString dir = m_source.Dir() + wxString::Format("/slides%d/new", schedule);
        wxString error;
        ASSERT_EQ(ExportScreens(m_doc, schedule, wxSize(640, 360), dir, error), 0) << error;
        const int screens = m_doc.GetLastEntry() + 1;  // end notice and menu included
        for (int i = 1; i <= screens; ++i) {
            wxImage image;
            ASSERT_TRUE(image.LoadFile(dir + wxString::Format("/%03d.png", i), wxBITMAP_TYPE_PNG))
                << i;
            EXPECT_EQ(image.GetSize(), wxSize(640, 360));
            EXPECT_EQ(image.GetRed(0, 0), 255);
            EXPECT_EQ(image.GetGreen(0, 0), 0);
            EXPECT_EQ(image.GetBlue(0, 0), 255);
        }
        EXPECT_FALSE(wxFileName::FileExists(dir + wxString::Format("/%03d.png", screens + 1)));
    }
    // The document's own schedule is left as it was.
    EXPECT_EQ(m_doc.m_nScheduleID, 0);
}

TEST_F(ExportScreensTest, FailuresSayWhy) {
    wxString error;
    const wxString file = m_source.Dir() + "/a-file";
    wxFFile(file, "w").Write("x");
    EXPECT_EQ(ExportScreens(m_doc, 1, wxSize(64, 36), file + "/slides", error), 1);
    EXPECT_TRUE(error.Contains("cannot create the folder")) << error;
    EXPECT_EQ(ExportScreens(m_doc, 999, wxSize(64, 36), m_source.Dir() + "/x", error), 1);
    EXPECT_EQ(error, "there is no schedule with ID 999");
    EXPECT_EQ(ExportScreens(m_doc, 1, wxSize(0, 36), m_source.Dir() + "/x", error), 1);
    EXPECT_FALSE(wxFileName::DirExists(m_source.Dir() + "/x"));
}

}  // namespace
