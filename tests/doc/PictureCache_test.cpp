// The show's picture cache: fitted as the show draws them, decoded once,
// read again when the file changes, fetched ahead on one worker thread.
#include "doc/PictureCache.h"

#include <gtest/gtest.h>
#include <wx/dir.h>
#include <wx/ffile.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <chrono>
#include <cstring>
#include <thread>

#include "db/SqlText.h"
#include "doc/VersiluxDoc.h"
#include "support/SmallLibrary.h"

namespace {

// Threads of this process, from the kernel's own list.
int ThreadCount() {
    wxDir dir("/proc/self/task");
    int n = 0;
    wxString name;
    for (bool more = dir.GetFirst(&name); more; more = dir.GetNext(&name)) {
        ++n;
    }
    return n;
}

// Polls until pred() holds; false when the time is up.
template <typename F>
bool Eventually(F&& pred, int nTimeoutMs = 10000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(nTimeoutMs);
    while (!pred()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

bool SamePixels(const wxImage& a, const wxImage& b) {
    if (!a.IsOk() || !b.IsOk() || a.GetSize() != b.GetSize() || a.HasAlpha() != b.HasAlpha()) {
        return false;
    }
    const size_t pixels = static_cast<size_t>(a.GetWidth()) * a.GetHeight();
    return std::memcmp(a.GetData(), b.GetData(), pixels * 3) == 0 &&
           (!a.HasAlpha() || std::memcmp(a.GetAlpha(), b.GetAlpha(), pixels) == 0);
}

class PictureCacheTest : public testing::Test {
  protected:
    PictureCacheTest() {
        EnsureImageHandlers();
        m_strDir = wxFileName::CreateTempFileName("pictures");
        wxRemoveFile(m_strDir);
        wxFileName::Mkdir(m_strDir);
    }
    ~PictureCacheTest() override { wxFileName::Rmdir(m_strDir, wxPATH_RMDIR_RECURSIVE); }

    // A picture with a pattern in every channel, so any scaling shows.
    wxString Picture(const wxString& name, int width, int height,
                     wxBitmapType type = wxBITMAP_TYPE_PNG, int seed = 0, bool alpha = false) {
        const wxString path = m_strDir + "/" + name;
        wxImage image(width, height, false);
        unsigned char* rgb = image.GetData();
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                *rgb++ = static_cast<unsigned char>(x * 7 + seed);
                *rgb++ = static_cast<unsigned char>(y * 5 + x * seed);
                *rgb++ = static_cast<unsigned char>((x ^ y) + seed);
            }
        }
        if (alpha) {
            image.InitAlpha();
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    image.SetAlpha(x, y, static_cast<unsigned char>(x * 3 + y));
                }
            }
        }
        EXPECT_TRUE(image.SaveFile(path, type)) << name;
        return path;
    }
    wxString File(const wxString& name, const std::string& bytes) {
        const wxString path = m_strDir + "/" + name;
        wxFFile file(path, "wb");
        file.Write(bytes.data(), bytes.size());
        return path;
    }
    // What the show drew before the cache: the whole file scaled to its place.
    static wxImage ScaledDirectly(const wxString& path, const wxSize& area) {
        const wxImage picture(path);
        const wxSize size = FittedSize(picture.GetSize(), area);
        return picture.GetSize() == size ? picture
                                         : picture.Scale(size.x, size.y, wxIMAGE_QUALITY_HIGH);
    }

    wxString m_strDir;
};

TEST_F(PictureCacheTest, FitsAsTheShowDrawsAndDecodesOnce) {
    struct Case {
        wxString path;
        wxSize area;
        wxSize fitted;
    };
    const Case cases[] = {
        // Twice as wide as high: the full width, half the height.
        {Picture("wide.png", 200, 100), wxSize(400, 400), wxSize(400, 200)},
        {Picture("tall.png", 50, 200), wxSize(400, 400), wxSize(100, 400)},
        // Shrunk, from a JPEG, with a factor that is not a whole number.
        {Picture("photo.jpg", 1333, 1000, wxBITMAP_TYPE_JPEG), wxSize(640, 480), wxSize(639, 480)},
        // Already the size of the area: not scaled at all.
        {Picture("exact.png", 320, 180), wxSize(320, 180), wxSize(320, 180)},
        // Transparency is kept.
        {Picture("alpha.png", 60, 40, wxBITMAP_TYPE_PNG, 3, true), wxSize(90, 90), wxSize(90, 60)},
    };
    CPictureCache cache;
    for (const Case& c : cases) {
        const wxImage fitted = cache.Fitted(c.path, c.area);
        ASSERT_TRUE(fitted.IsOk()) << c.path;
        EXPECT_EQ(fitted.GetSize(), c.fitted) << c.path;
        EXPECT_TRUE(SamePixels(fitted, ScaledDirectly(c.path, c.area))) << c.path;
    }
    EXPECT_EQ(cache.DecodeCount(), 5);
    for (const Case& c : cases) {
        EXPECT_TRUE(SamePixels(cache.Fitted(c.path, c.area), ScaledDirectly(c.path, c.area)))
            << c.path;
    }
    EXPECT_EQ(cache.DecodeCount(), 5);
    // Another show area is another fit.
    EXPECT_EQ(cache.Fitted(cases[0].path, wxSize(100, 100)).GetSize(), wxSize(100, 50));
    EXPECT_EQ(cache.DecodeCount(), 6);
}

TEST_F(PictureCacheTest, WhatIsHandedOutIsTheCallersOwn) {
    CPictureCache cache;
    const wxString path = Picture("p.png", 40, 20);
    wxImage first = cache.Fitted(path, wxSize(40, 20));
    first.SetRGB(wxRect(0, 0, 40, 20), 1, 2, 3);
    EXPECT_TRUE(SamePixels(cache.Fitted(path, wxSize(40, 20)), wxImage(path)));
    EXPECT_EQ(cache.DecodeCount(), 1);
}

TEST_F(PictureCacheTest, AChangedFileIsReadAgain) {
    CPictureCache cache;
    const wxSize area(300, 300);
    const wxString path = Picture("p.bmp", 100, 50, wxBITMAP_TYPE_BMP, 1);
    ASSERT_EQ(cache.Fitted(path, area).GetSize(), wxSize(300, 150));

    // Another picture under the same name.
    Picture("p.bmp", 50, 100, wxBITMAP_TYPE_BMP, 1);
    EXPECT_EQ(cache.Fitted(path, area).GetSize(), wxSize(150, 300));
    EXPECT_EQ(cache.DecodeCount(), 2);

    // As many bytes, other pixels: only the modification time tells.
    const wxString other = Picture("other.bmp", 50, 100, wxBITMAP_TYPE_BMP, 2);
    ASSERT_EQ(wxFileName::GetSize(path), wxFileName::GetSize(other));
    wxDateTime modified;
    ASSERT_TRUE(wxFileName(path).GetTimes(nullptr, &modified, nullptr));
    ASSERT_TRUE(wxCopyFile(other, path));
    const wxDateTime later = modified + wxTimeSpan::Minutes(1);
    ASSERT_TRUE(wxFileName(path).SetTimes(nullptr, &later, nullptr));
    EXPECT_TRUE(SamePixels(cache.Fitted(path, area), ScaledDirectly(other, area)));
    EXPECT_EQ(cache.DecodeCount(), 3);
}

TEST_F(PictureCacheTest, WhatCannotBeShownIsInvalid) {
    CPictureCache cache;
    const wxString broken = File("broken.png", "\x89PNG\r\n\x1a\n not really a picture");
    const wxString text = File("notes.jpg", "words, not pixels");
    for (const wxString& path :
         {m_strDir + "/missing.png", broken, text, File("empty.png", ""), m_strDir, wxString()}) {
        EXPECT_FALSE(cache.Fitted(path, wxSize(100, 100)).IsOk()) << path;
        EXPECT_FALSE(cache.Fitted(path, wxSize(100, 100)).IsOk()) << path;
    }
    // A file that could not be read is not tried again while it stays as it is...
    EXPECT_EQ(cache.DecodeCount(), 3);
    // ...but once it is a picture it shows.
    Picture("notes.jpg", 20, 10, wxBITMAP_TYPE_JPEG);
    EXPECT_EQ(cache.Fitted(text, wxSize(100, 100)).GetSize(), wxSize(100, 50));

    // No area, or a picture too thin for a whole pixel of it.
    const wxString picture = Picture("p.png", 20, 10);
    EXPECT_FALSE(cache.Fitted(picture, wxSize(0, 100)).IsOk());
    EXPECT_FALSE(cache.Fitted(picture, wxSize(100, -5)).IsOk());
    const wxString thread = Picture("thread.png", 400, 1);
    EXPECT_FALSE(cache.Fitted(thread, wxSize(100, 100)).IsOk());
    EXPECT_EQ(cache.CachedBytes(), 100u * 50 * 3);
}

TEST_F(PictureCacheTest, PrefetchedPicturesAreDecodedOnceOnTheWorker) {
    CPictureCache cache;
    const wxSize area(320, 240);
    const wxString a = Picture("a.png", 400, 300, wxBITMAP_TYPE_PNG, 1);
    const wxString b = Picture("b.jpg", 300, 400, wxBITMAP_TYPE_JPEG, 2);
    const wxString c = Picture("c.png", 160, 90, wxBITMAP_TYPE_PNG, 3, true);
    const wxString missing = m_strDir + "/missing.png";
    cache.Prefetch({a, b, missing, a, c}, area);
    const size_t all = 320u * 240 * 3 + 180 * 240 * 3 + 320 * 180 * 4;
    ASSERT_TRUE(Eventually([&] { return cache.CachedBytes() == all; }));
    EXPECT_EQ(cache.DecodeCount(), 3);
    for (const wxString& path : {a, b, c}) {
        EXPECT_TRUE(SamePixels(cache.Fitted(path, area), ScaledDirectly(path, area))) << path;
    }
    EXPECT_FALSE(cache.Fitted(missing, area).IsOk());
    EXPECT_EQ(cache.DecodeCount(), 3);

    // Asked for at once: the show waits for the worker or reads it itself,
    // never both.
    const wxString big = Picture("big.jpg", 2400, 1600, wxBITMAP_TYPE_JPEG, 4);
    for (int round = 0; round < 3; ++round) {
        cache.Clear();
        const int before = cache.DecodeCount();
        cache.Prefetch({big}, area);
        EXPECT_TRUE(SamePixels(cache.Fitted(big, area), ScaledDirectly(big, area)));
        cache.Clear();
        EXPECT_EQ(cache.DecodeCount(), before + 1);
    }
}

TEST_F(PictureCacheTest, ClearStopsABusyWorkerAndLeavesNoThread) {
    const wxString big = Picture("big.jpg", 3000, 2000, wxBITMAP_TYPE_JPEG, 5);
    std::vector<wxString> paths;
    for (int i = 0; i < 8; ++i) {
        paths.push_back(wxString::Format("%s/big%d.jpg", m_strDir, i));
        ASSERT_TRUE(wxCopyFile(big, paths.back()));
    }
    const int threads = ThreadCount();
    CPictureCache cache;
    cache.Prefetch(paths, wxSize(1920, 1080));
    cache.Clear();
    // The worker finishes the file it is on and takes no further one.
    EXPECT_LT(cache.DecodeCount(), 8);
    EXPECT_EQ(ThreadCount(), threads);
    EXPECT_EQ(cache.CachedBytes(), 0u);

    // It starts again after a Clear; the destructor stops it as Clear does.
    const int decoded = cache.DecodeCount();
    {
        CPictureCache other;
        other.Prefetch(paths, wxSize(1920, 1080));
        cache.Prefetch({paths[0]}, wxSize(640, 480));
        ASSERT_TRUE(Eventually([&] { return cache.DecodeCount() == decoded + 1; }));
    }
    EXPECT_EQ(cache.Fitted(paths[0], wxSize(640, 480)).GetSize(), wxSize(640, 426));
    EXPECT_EQ(cache.DecodeCount(), decoded + 1);
    cache.Clear();
    EXPECT_EQ(ThreadCount(), threads);
}

TEST_F(PictureCacheTest, TheByteBudgetDropsTheLeastRecentlyUsed) {
    // Room for two pictures of 100x100.
    const size_t one = 100 * 100 * 3;
    CPictureCache cache(2 * one);
    const wxSize area(100, 100);
    const wxString a = Picture("a.png", 50, 50, wxBITMAP_TYPE_PNG, 1);
    const wxString b = Picture("b.png", 50, 50, wxBITMAP_TYPE_PNG, 2);
    const wxString c = Picture("c.png", 50, 50, wxBITMAP_TYPE_PNG, 3);
    cache.Fitted(a, area);
    cache.Fitted(b, area);
    cache.Fitted(a, area);  // b is now the least recently used
    cache.Fitted(c, area);
    EXPECT_EQ(cache.CachedBytes(), 2 * one);
    EXPECT_EQ(cache.DecodeCount(), 3);
    cache.Fitted(a, area);
    cache.Fitted(c, area);
    EXPECT_EQ(cache.DecodeCount(), 3);
    EXPECT_TRUE(SamePixels(cache.Fitted(b, area), ScaledDirectly(b, area)));
    EXPECT_EQ(cache.DecodeCount(), 4);

    // A picture larger than the whole budget is shown but not kept.
    EXPECT_EQ(cache.Fitted(a, wxSize(200, 200)).GetSize(), wxSize(200, 200));
    EXPECT_EQ(cache.CachedBytes(), 2 * one);
    cache.Fitted(b, area);
    cache.Fitted(c, area);
    cache.Fitted(a, wxSize(200, 200));
    EXPECT_EQ(cache.DecodeCount(), 6);
}

TEST_F(PictureCacheTest, FetchingAheadStopsWhenTheBudgetIsFull) {
    const size_t one = 100 * 100 * 3;
    CPictureCache cache(2 * one);
    const wxSize area(100, 100);
    std::vector<wxString> paths;
    for (int i = 0; i < 4; ++i) {
        paths.push_back(Picture(wxString::Format("%d.png", i), 50, 50, wxBITMAP_TYPE_PNG, i));
    }
    cache.Prefetch(paths, area);
    ASSERT_TRUE(Eventually([&] { return cache.CachedBytes() == 2 * one; }));
    // The first two stay for the screens that come first.
    cache.Fitted(paths[0], area);
    cache.Fitted(paths[1], area);
    EXPECT_EQ(cache.DecodeCount(), 2);
    cache.Fitted(paths[2], area);
    EXPECT_EQ(cache.DecodeCount(), 3);
}

// The document fetches the pictures of its show list, and only those.
TEST_F(PictureCacheTest, TheDocumentFetchesTheShowsPictures) {
    SmallLibrary lib;
    auto item = [&](int type, const wxString& heading1) {
        lib.Exec(wxString::Format(
            "INSERT INTO items (Title, Heading1, Heading2, Field1, Field2, Type, Subtype, "
            "Background, Foreground, Foreground2, VPD, Transpose, PreferFlats) VALUES "
            "('t', '%s', '', 'words', '', %d, 4, 1, 2, 3, 1, 0, 0)",
            EscapeSqlLiteral(heading1), type));
        return lib.Source().QueryNumber("SELECT max(ID) FROM items");
    };
    const wxString a = Picture("a.png", 40, 30, wxBITMAP_TYPE_PNG, 1);
    const wxString b = Picture("b.png", 30, 40, wxBITMAP_TYPE_PNG, 2);
    const wxString title = Picture("title.png", 30, 30, wxBITMAP_TYPE_PNG, 3);
    CVersiluxDoc doc;
    doc.m_nScheduleID =
        static_cast<int>(lib.AddSchedule("s", {item(50, a), item(1, title), item(50, b)}));
    doc.BuildShowList();
    doc.PrefetchShowPictures(wxSize(80, 80));
    ASSERT_TRUE(Eventually([&] { return doc.m_pictures.CachedBytes() == 2u * 80 * 60 * 3; }));
    EXPECT_EQ(doc.m_pictures.Fitted(a, wxSize(80, 80)).GetSize(), wxSize(80, 60));
    EXPECT_EQ(doc.m_pictures.Fitted(b, wxSize(80, 80)).GetSize(), wxSize(60, 80));
    EXPECT_EQ(doc.m_pictures.DecodeCount(), 2);
}

}  // namespace
