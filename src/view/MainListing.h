// What the main window lists between and during shows, drawn through a
// Canvas: search results, the current item as it prints, usage statistics or
// the current schedule's items, chosen from the document's switches in that fixed order.
#pragma once

#include <array>
#include <functional>

class Canvas;
class CVersiluxDoc;

// What the last listing drawing recorded: the rows of a search page, so the
// listing's keys can scroll by rows and a click can find the row's item.
struct CListingRecord {
    static constexpr int kMaxRows = 100;

    int m_nSearchLineHeight = 0;  // tallest search row; 0 after any other listing
    bool m_bSearchMore = false;   // the page stopped at the bottom limit
    std::array<int, kMaxRows> m_searchItemIDs{};
    std::array<int, kMaxRows> m_searchItemBottoms{};
    int m_nSearchItemCount = 0;
    int m_nPrintableBottom = 0;  // the printable item's height; 0 after any other listing
};

// The bottom of the listing area; a search page stops before passing it.
inline constexpr int kListingBottom = 1500;

// Draws the listing the document's switches ask for. onRowNotRecorded is
// called for each search row beyond the hundredth, which cannot be recorded.
void DrawMainListing(CVersiluxDoc& doc, Canvas& canvas, CListingRecord& record,
                     const std::function<void()>& onRowNotRecorded);

void DrawSearchResults(CVersiluxDoc& doc, Canvas& canvas, CListingRecord& record,
                       const std::function<void()>& onRowNotRecorded);
void DrawStatistics(CVersiluxDoc& doc, Canvas& canvas);
void DrawScheduleOverview(CVersiluxDoc& doc, Canvas& canvas);
