#include "support/PdfText.h"

#include <wx/file.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/utils.h>

#include <cstring>

// A fresh path for a PDF in the temporary folder.
wxString TempPdfPath(const wxString& prefix) {
    const wxString base = wxFileName::CreateTempFileName(prefix);
    wxRemoveFile(base);
    return base + ".pdf";
}

void RemoveIfThere(const wxString& path) {
    if (wxFileExists(path)) {
        wxRemoveFile(path);
    }
}

// The output of pdftotext with its options, or empty when it failed.
wxString PdfToText(const wxString& options, const wxString& path) {
    wxArrayString output;
    wxArrayString errors;
    const wxString txt = path + ".txt";
    if (wxExecute("pdftotext " + options + " " + path + " " + txt, output, errors, wxEXEC_SYNC) !=
        0) {
        return {};
    }
    wxFile file(txt);
    wxString all;
    file.ReadAll(&all, wxConvUTF8);
    file.Close();
    RemoveIfThere(txt);
    return all;
}

// The pages of a PDF as text laid out as printed ("pdftotext -layout").
std::vector<std::string> PdfPages(const wxString& path) {
    std::vector<std::string> pages;
    for (const wxString& page : wxSplit(PdfToText("-layout", path), '\f', '\0')) {
        pages.push_back(page.utf8_string());
    }
    if (!pages.empty() && pages.back().find_first_not_of(" \n") == std::string::npos) {
        pages.pop_back();  // the text after the last page's form feed
    }
    return pages;
}

// The words of the first page, from "pdftotext -bbox".
std::vector<PdfWord> PdfWords(const wxString& path) {
    const std::string html = PdfToText("-bbox -f 1 -l 1", path).utf8_string();
    std::vector<PdfWord> words;
    size_t pos = 0;
    while ((pos = html.find("<word ", pos)) != std::string::npos) {
        PdfWord word;
        const auto attribute = [&](const char* name) {
            const size_t at = html.find(std::string(name) + "=\"", pos);
            return std::stod(html.substr(at + std::strlen(name) + 2));
        };
        word.x = attribute("xMin");
        word.y = attribute("yMin");
        const size_t start = html.find('>', pos) + 1;
        const size_t end = html.find("</word>", start);
        word.text = html.substr(start, end - start);
        words.push_back(word);
        pos = end;
    }
    return words;
}

// The first word with the text, or one with text "?" when there is none.
PdfWord Find(const std::vector<PdfWord>& words, const std::string& text, size_t skip) {
    for (const PdfWord& word : words) {
        if (word.text == text && skip-- == 0) {
            return word;
        }
    }
    return PdfWord{"?", -1, -1};
}
