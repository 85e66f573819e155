// Loading picture files into the document.
#include <gtest/gtest.h>
#include <wx/ffile.h>
#include <wx/filename.h>

#include "doc/VersiluxDoc.h"
#include "support/SmallLibrary.h"

namespace {

class LoadPictureTest : public testing::Test {
  protected:
    LoadPictureTest() {
        if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) {
            wxInitAllImageHandlers();
        }
        m_strDir = m_lib.Source().Dir() + "/pictures";
        wxFileName::Mkdir(m_strDir);
    }
    wxString Picture(const wxString& name, int width, int height, wxBitmapType type) {
        const wxString path = m_strDir + "/" + name;
        wxImage image(width, height);
        image.SetRGB(wxRect(0, 0, width, height), 200, 10, 10);
        EXPECT_TRUE(image.SaveFile(path, type)) << name;
        return path;
    }
    wxString File(const wxString& name, const std::string& bytes) {
        const wxString path = m_strDir + "/" + name;
        wxFFile file(path, "wb");
        file.Write(bytes.data(), bytes.size());
        return path;
    }

    SmallLibrary m_lib;
    CVersiluxDoc m_doc;
    wxString m_strDir;
};

TEST_F(LoadPictureTest, ReadsTheCommonFormats) {
    // The smallest GIF: one pixel.
    const std::string gif(
        "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00"
        "!\xf9\x04\x01\x00\x00\x00\x00,\x00\x00\x00\x00\x01\x00\x01\x00"
        "\x00\x02\x02"
        "D\x01\x00;",
        43);
    const std::pair<wxString, wxSize> pictures[] = {
        {Picture("a.png", 40, 20, wxBITMAP_TYPE_PNG), wxSize(40, 20)},
        {Picture("b.jpg", 30, 60, wxBITMAP_TYPE_JPEG), wxSize(30, 60)},
        {Picture("c.bmp", 7, 5, wxBITMAP_TYPE_BMP), wxSize(7, 5)},
        {File("d.gif", gif), wxSize(1, 1)},
        // The content decides, not the name.
        {Picture("e.jpg", 9, 9, wxBITMAP_TYPE_PNG), wxSize(9, 9)},
    };
    for (const auto& [path, size] : pictures) {
        ASSERT_TRUE(m_doc.LoadPicture(path)) << path;
        EXPECT_EQ(m_doc.gpPicture.GetSize(), size) << path;
    }
}

TEST_F(LoadPictureTest, AFailedLoadKeepsThePreviousPicture) {
    const wxString good = Picture("good.png", 40, 20, wxBITMAP_TYPE_PNG);
    const wxString broken = File("broken.png", "\x89PNG\r\n\x1a\n not really a picture");
    ASSERT_TRUE(m_doc.LoadPicture(good));
    for (const wxString& path :
         {m_strDir + "/missing.png", broken, File("empty.png", ""), m_strDir, wxString()}) {
        EXPECT_FALSE(m_doc.LoadPicture(path)) << path;
        EXPECT_EQ(m_doc.gpPicture.GetSize(), wxSize(40, 20)) << path;
    }
}

TEST_F(LoadPictureTest, LoadingTheSameFileTwiceGivesAFreshPicture) {
    EXPECT_FALSE(m_doc.gpPicture.IsOk());  // none before the first load
    const wxString path = Picture("p.png", 4, 4, wxBITMAP_TYPE_PNG);
    ASSERT_TRUE(m_doc.LoadPicture(path));
    const wxImage first = m_doc.gpPicture;
    ASSERT_TRUE(m_doc.LoadPicture(path));
    EXPECT_FALSE(first.IsSameAs(m_doc.gpPicture));
    EXPECT_EQ(m_doc.gpPicture.GetSize(), wxSize(4, 4));
}

}  // namespace
