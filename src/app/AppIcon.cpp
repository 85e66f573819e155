#include "app/AppIcon.h"

#include <wx/dcmemory.h>
#include <wx/iconbndl.h>

wxBitmap MakeAppIconBitmap(int nSize) {
    wxBitmap bitmap(nSize, nSize, 24);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(wxBrush(wxColour(20, 30, 90)));
    dc.Clear();
    // A "V" of light on a dark screen.
    const int m = nSize / 5;
    dc.SetPen(wxPen(wxColour(255, 220, 80), std::max(2, nSize / 8)));
    dc.DrawLine(m, m, nSize / 2, nSize - m);
    dc.DrawLine(nSize / 2, nSize - m, nSize - m, m);
    dc.SelectObject(wxNullBitmap);
    return bitmap;
}

wxIconBundle MakeAppIcons() {
    wxIconBundle icons;
    for (int nSize : {16, 32, 48}) {
        wxIcon icon;
        icon.CopyFromBitmap(MakeAppIconBitmap(nSize));
        icons.AddIcon(icon);
    }
    return icons;
}
