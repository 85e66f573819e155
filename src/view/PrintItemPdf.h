// One item printed as print mode draws it, to a PDF file: the printout's
// pages drawn through the toolkit onto a cairo PDF surface, so the text stays
// text that a reader can search and copy. Needs the GUI toolkit initialised
// on a display (a virtual one will do).
#pragma once

#include <wx/string.h>

class CVersiluxDoc;
class wxPrintout;

inline constexpr const char* kPrintItemUsage =
    "usage: versilux --print-item ITEM_ID [--transpose N] [--flats | --sharps] [--bw] --pdf FILE\n"
    "  Prints the item as print mode shows it to a PDF file: in its own key and\n"
    "  spelling unless --transpose (-12 to 12 semitones), --flats or --sharps say\n"
    "  otherwise; in black and white with --bw.\n";

struct CPrintItemArgs {
    int nItemID = 0;
    bool bTranspose = false;  // nTranspose given; otherwise the item's own
    int nTranspose = 0;
    int nFlats = -1;  // 1 flats, 0 sharps, -1 the item's own spelling
    bool bBlackAndWhite = false;
    wxString strPdf;
};

// Reads the arguments from argv[nFirst] on; false when anything is missing,
// extra or malformed.
bool ParsePrintItemArgs(int argc, char** argv, int nFirst, CPrintItemArgs& args);

// The page size and resolution of a PDF print.
struct CPdfPage {
    double dWidthPt = 595.0;  // A4
    double dHeightPt = 842.0;
    int nDpi = 600;
};
// The default paper of the toolkit's print settings.
CPdfPage DefaultPdfPage();

// Prints every page of the printout into a new PDF file. False, with the
// reason, when the file cannot be written.
bool PrintToPdf(wxPrintout& printout, const wxString& strPath, const CPdfPage& page,
                wxString& strError);

// Puts the document in print mode on the item and prints it. Returns 0, or 1
// with the reason when no item has the ID or the file cannot be written.
int PrintItemToPdf(CVersiluxDoc& doc, const CPrintItemArgs& args, wxString& strError);
