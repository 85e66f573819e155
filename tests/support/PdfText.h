// PDF files read back as text through pdftotext, for tests of printing.
#pragma once

#include <wx/string.h>

#include <string>
#include <vector>

// A fresh path for a PDF in the temporary folder.
wxString TempPdfPath(const wxString& prefix);
void RemoveIfThere(const wxString& path);

// The output of pdftotext with its options, or empty when it failed.
wxString PdfToText(const wxString& options, const wxString& path);
// The pages of a PDF as text laid out as printed ("pdftotext -layout").
std::vector<std::string> PdfPages(const wxString& path);

// A word of a PDF page with the left and top of its box, in points.
struct PdfWord {
    std::string text;
    double x = 0;
    double y = 0;
};
// The words of the first page, from "pdftotext -bbox".
std::vector<PdfWord> PdfWords(const wxString& path);
// The first word with the text (after skipping as many), or one with text
// "?" when there is none.
PdfWord Find(const std::vector<PdfWord>& words, const std::string& text, size_t skip = 0);
