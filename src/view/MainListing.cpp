#include "view/MainListing.h"

#include <algorithm>

#include "doc/VersiluxDoc.h"
#include "view/Canvas.h"
#include "view/PrintableItem.h"

namespace {

constexpr COLORREF kBlack = MakeColourValue(0, 0, 0);
constexpr COLORREF kWhite = MakeColourValue(255, 255, 255);
constexpr COLORREF kBlue = MakeColourValue(0, 0, 255);
constexpr COLORREF kRed = MakeColourValue(255, 0, 0);

// The device's own drawing state: black text on an opaque white ground.
void PlainText(Canvas& canvas) {
    canvas.SetBackgroundOpaque(true);
    canvas.SetBackgroundColour(kWhite);
    canvas.SetTextColour(kBlack);
}

}  // namespace

void DrawMainListing(CVersiluxDoc& doc, Canvas& canvas, CListingRecord& record,
                     const std::function<void()>& onRowNotRecorded) {
    doc.m_bScrollTop = false;
    record.m_nSearchLineHeight = 0;
    record.m_bSearchMore = false;
    record.m_nPrintableBottom = 0;
    if (doc.m_bShowSearch) {
        DrawSearchResults(doc, canvas, record, onRowNotRecorded);
    } else if (doc.m_bPrintable) {
        record.m_nPrintableBottom = DrawPrintableItem(doc, canvas).nBottom;
    } else if (doc.m_bShowStats) {
        DrawStatistics(doc, canvas);
    } else if (!doc.m_bPreview && doc.m_nScheduleID > 0) {
        DrawScheduleOverview(doc, canvas);
    }
}

void DrawSearchResults(CVersiluxDoc& doc, Canvas& canvas, CListingRecord& record,
                       const std::function<void()>& onRowNotRecorded) {
    canvas.SetDefaultFont();
    PlainText(canvas);
    record.m_searchItemIDs.fill(0);
    record.m_searchItemBottoms.fill(0);
    record.m_nSearchItemCount = 0;

    // The search has already queried the set it filled.
    CRecordset& set = doc.SearchResultSet();

    doc.m_nSearchLine = 0;
    if (!set.IsOpen() || (set.IsBOF() && set.IsEOF())) {
        canvas.DrawText("No results: " + doc.m_strSearchPhrase, 0, 0);
        return;
    }
    set.MoveFirst();

    const wxString phrase = doc.m_strSearchPhrase.Lower();
    const int nPhrase = static_cast<int>(phrase.length());
    int y = 0;
    while (!set.IsEOF()) {
        if (doc.m_nSearchLine >= doc.m_nSearchFirst) {
            const CSearchResult row = doc.CurrentSearchResult();
            canvas.SetTextColour(kBlack);
            wxString title = row.strTitle;
            title.Trim(true);
            canvas.DrawText(title, 5, y);
            int x = canvas.GetTextExtent(title).x + 10;
            if (!doc.m_bSearchThisVPD) {
                const wxString vpd = "[" + doc.GetVPDName(row.nVPD) + "]";
                canvas.DrawText(vpd, x, y);
                x += canvas.GetTextExtent(vpd).x + 10;
            }
            const int p = FindPhrase(row.strField1, phrase);
            const wxString context = SearchContext(row.strField1, phrase, p);
            const int q = p > 49 ? 50 : p;
            if (q > 0) {
                canvas.SetTextColour(kBlue);
                const wxString before = context.Left(static_cast<size_t>(q));
                canvas.DrawText(before, x, y);
                x += canvas.GetTextExtent(before).x;
            }
            // The match is shown as the phrase was typed, lower-cased.
            canvas.SetTextColour(kRed);
            canvas.DrawText(phrase, x, y);
            x += canvas.GetTextExtent(phrase).x;
            canvas.SetTextColour(kBlue);
            const wxString rest = context.Mid(static_cast<size_t>(std::max(0, q + nPhrase)));
            canvas.DrawText(rest, x, y);
            const int h = canvas.GetTextExtent(rest).y;
            y += h;
            record.m_nSearchLineHeight = std::max(record.m_nSearchLineHeight, h);

            if (record.m_nSearchItemCount < CListingRecord::kMaxRows) {
                const auto i = static_cast<size_t>(record.m_nSearchItemCount);
                record.m_searchItemIDs[i] = row.nID;
                record.m_searchItemBottoms[i] = y;
                ++record.m_nSearchItemCount;
            } else if (onRowNotRecorded) {
                onRowNotRecorded();
            }
            if (y + h > kListingBottom) {
                record.m_bSearchMore = true;
                set.MoveLast();  // this row is the page's last
            }
        }
        ++doc.m_nSearchLine;
        set.MoveNext();
    }
}

void DrawStatistics(CVersiluxDoc& doc, Canvas& canvas) {
    canvas.SetDefaultFont();
    PlainText(canvas);
    const int x = doc.m_pConfigSet->m_Margin;
    const int nRows = std::clamp(doc.m_nStatCount, 0, CVersiluxDoc::kMaxStats);
    std::vector<wxString> titles;
    int w = 0;
    for (int i = 0; i < nRows; ++i) {
        titles.push_back(doc.GetItemTitle(doc.m_statIDs[static_cast<size_t>(i)]));
        w = std::max(w, canvas.GetTextExtent(titles.back()).x);
    }
    w += 20;
    canvas.DrawText("Item", x, 0);
    canvas.DrawText("Used", x + w, 0);
    canvas.DrawText("Schedule", x + w + 40, 0);
    int y = canvas.GetTextExtent("Schedule").y;
    for (int i = 0; i < nRows; ++i) {
        const auto n = static_cast<size_t>(i);
        canvas.DrawText(titles[n], x, y);
        canvas.DrawText(wxString::Format("%d", doc.m_statCounts[n]), x + w, y);
        canvas.DrawText(doc.m_statTitles[n], x + w + 40, y);
        y += canvas.GetTextExtent(titles[n]).y;
    }
}

void DrawScheduleOverview(CVersiluxDoc& doc, Canvas& canvas) {
    canvas.SetFont(doc.m_pConfigSet->m_Print_Font);
    PlainText(canvas);
    const int x = doc.m_pConfigSet->m_Margin;

    CScheduleItemSet& rows = *doc.m_pScheduleItemSet;
    rows.m_strFilter = wxString::Format("Schedule_ID=%d", doc.m_nScheduleID);
    rows.m_strSort = "Item_Order";
    RequeryOrOpen(rows);

    std::vector<int> items;
    for (; !rows.IsEOF(); rows.MoveNext()) {
        items.push_back(rows.m_Item_ID);
    }
    auto firstColumn = [&doc](int nItem) {
        return doc.m_bDisplayFile ? doc.GetItemFileName(nItem) : doc.GetItemHeading2(nItem);
    };
    int w = 0;
    for (int nItem : items) {
        wxString text = firstColumn(nItem);
        if (doc.m_bDisplayFile) {
            text.Trim(true);
        }
        w = std::max(w, canvas.GetTextExtent(text).x);
    }
    if (w > 0) {
        w += 20;
    }
    if (!items.empty()) {
        rows.MoveFirst();
    }
    int y = 0;
    for (int nItem : items) {
        if (w > 0) {
            canvas.DrawText(firstColumn(nItem), x, y);
        }
        const wxString title = doc.GetItemTitle(nItem);
        canvas.DrawText(title, x + w, y);
        y += canvas.GetTextExtent(title).y;
    }
}
