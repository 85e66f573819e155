#include "view/ExportScreens.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/log.h>
#include <exception>

#include "doc/VersiluxDoc.h"
#include "view/ScreenRenderer.h"
#include "view/WxCanvas.h"

namespace {

// Large enough for any projector, small enough for the bitmap to be made.
constexpr int kMaxSide = 8192;
// The resolution a show's fonts are sized for on a usual projector.
const wxSize kScreenDPI(96, 96);

bool ParsePositive(const wxString& text, int nMax, int& value) {
    unsigned long number = 0;
    if (text.empty() || !text.IsNumber() || !text.ToULong(&number) || number < 1 ||
        number > static_cast<unsigned long>(nMax)) {
        return false;
    }
    value = static_cast<int>(number);
    return true;
}

bool ParseSize(const wxString& text, wxSize& size) {
    const wxString lower = text.Lower();
    const int x = lower.Find('x');
    if (x == wxNOT_FOUND) {
        return false;
    }
    return ParsePositive(lower.Left(x), kMaxSide, size.x) &&
           ParsePositive(lower.Mid(x + 1), kMaxSide, size.y);
}

// Puts the document's source switches back when the export is done.
class SourceModeGuard {
  public:
    explicit SourceModeGuard(CVersiluxDoc& doc)
        : m_doc(doc),
          m_nScheduleID(doc.m_nScheduleID),
          m_bPreview(doc.m_bPreview),
          m_bPlayerFile(doc.m_bPlayerFile) {}
    ~SourceModeGuard() {
        m_doc.m_nScheduleID = m_nScheduleID;
        m_doc.m_bPreview = m_bPreview;
        m_doc.m_bPlayerFile = m_bPlayerFile;
    }
    SourceModeGuard(const SourceModeGuard&) = delete;
    SourceModeGuard& operator=(const SourceModeGuard&) = delete;

  private:
    CVersiluxDoc& m_doc;
    int m_nScheduleID;
    bool m_bPreview;
    bool m_bPlayerFile;
};

}  // namespace

bool ParseExportScreensArgs(int argc, char** argv, int nFirst, CExportScreensArgs& args) {
    if (nFirst >= argc ||
        !ParsePositive(wxString::FromUTF8(argv[nFirst]), 0x7FFFFFFF, args.nScheduleID)) {
        return false;
    }
    bool bSize = false;
    bool bOut = false;
    for (int i = nFirst + 1; i < argc; i += 2) {
        const wxString option = wxString::FromUTF8(argv[i]);
        if (i + 1 >= argc) {
            return false;
        }
        const wxString value = wxString::FromUTF8(argv[i + 1]);
        if (option == "--size" && !bSize) {
            bSize = ParseSize(value, args.size);
            if (!bSize) {
                return false;
            }
        } else if (option == "--out" && !bOut && !value.empty()) {
            args.strOutDir = value;
            bOut = true;
        } else {
            return false;
        }
    }
    return bSize && bOut;
}

int ExportScreens(CVersiluxDoc& doc, int nScheduleID, wxSize size, const wxString& strOutDir,
                  wxString& strError) {
    if (size.x < 1 || size.y < 1 || size.x > kMaxSide || size.y > kMaxSide) {
        strError = wxString::Format("the screen size %dx%d is not possible", size.x, size.y);
        return 1;
    }
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) {
        wxInitAllImageHandlers();
    }
    wxLogNull quiet;  // failures are reported through strError
    try {
        doc.GetScheduleName(nScheduleID);
        if (doc.m_pScheduleSet->IsEOF()) {
            strError = wxString::Format("there is no schedule with ID %d", nScheduleID);
            return 1;
        }
        if (!wxFileName::DirExists(strOutDir) &&
            !wxFileName::Mkdir(strOutDir, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL)) {
            strError = wxString::Format("cannot create the folder \"%s\"", strOutDir);
            return 1;
        }
        if (!wxFileName::IsDirWritable(strOutDir)) {
            strError = wxString::Format("cannot write into the folder \"%s\"", strOutDir);
            return 1;
        }

        SourceModeGuard guard(doc);
        doc.m_nScheduleID = nScheduleID;
        doc.m_bPreview = false;
        doc.m_bPlayerFile = false;
        doc.BuildShowList();

        CShowState state;
        state.m_rcShow = wxRect(size);
        state.m_bShowRunning = true;
        CScreenRenderer renderer(doc, state);
        wxBitmap bitmap(size.x, size.y, 24);
        if (!bitmap.IsOk()) {
            strError = wxString::Format("cannot make a %dx%d picture", size.x, size.y);
            return 1;
        }
        for (int i = 0; i <= doc.GetLastEntry(); ++i) {
            state.m_nNextEntry = i;
            {
                wxMemoryDC dc(bitmap);
                dc.SetBackground(*wxBLACK_BRUSH);
                dc.Clear();
                WxCanvas canvas(dc, kScreenDPI);
                renderer.ShowScreen(canvas, 0);
            }
            const wxString path =
                wxFileName(strOutDir, wxString::Format("%03d.png", i + 1)).GetFullPath();
            if (!bitmap.ConvertToImage().SaveFile(path, wxBITMAP_TYPE_PNG)) {
                strError = wxString::Format("cannot write \"%s\"", path);
                return 1;
            }
        }
    } catch (const std::exception& e) {
        strError = wxString::FromUTF8(e.what());
        return 1;
    }
    return 0;
}
