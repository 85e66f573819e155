#include "app/AboutDlg.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "app/AppIcon.h"

CAboutDlg::CAboutDlg(wxWindow* pParent) : wxDialog(pParent, wxID_ANY, "About Versilux") {
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(new wxStaticBitmap(this, wxID_ANY, MakeAppIconBitmap(32)), 0, wxALL, 10);
    row->Add(new wxStaticText(this, wxID_ANY, "Versilux Version 6.0"), 0,
             wxALIGN_CENTER_VERTICAL | wxRIGHT, 20);
    auto* ok = new wxButton(this, wxID_OK, "OK");
    ok->SetDefault();
    row->Add(ok, 0, wxALIGN_CENTER_VERTICAL | wxALL, 10);
    SetSizerAndFit(row);
}
