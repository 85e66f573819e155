// The program's icon, drawn rather than shipped as a file.
#pragma once

#include <wx/bitmap.h>
#include <wx/icon.h>

wxBitmap MakeAppIconBitmap(int nSize);
wxIconBundle MakeAppIcons();
