// The one document: owns the connection and the shared record sets, holds
// the settings copied from the config row, the current VPD and schedule, the
// mode switches, and the show list that a show plays.
#pragma once

#include <wx/docview.h>
#include <wx/image.h>
#include <wx/string.h>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

#include "db/ColoursSet.h"
#include "db/ConfigSet.h"
#include "db/ItemsSet.h"
#include "db/ScheduleItemSet.h"
#include "db/ScheduleSet.h"
#include "db/TempSearchSet.h"
#include "db/VPDSet.h"
#include "doc/ColourValue.h"
#include "doc/ConfigValues.h"
#include "doc/ItemLibrary.h"
#include "doc/PhraseSearch.h"
#include "doc/PictureCache.h"
#include "doc/PlayerFile.h"
#include "doc/ScheduleLibrary.h"
#include "doc/SongFiles.h"
#include "odbc/Database.h"

// The data source holds no row where one is needed to start (VPD, config).
class CStartupError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// What the main view lists between shows (the schedule when nothing else).
enum class CListingKind { Schedule, Search, Statistics, Printable };

// The four questions of the Stats menu.
enum class CStatistics { MostRecentlyUsed, MostUsed, LeastRecentlyUsed, LeastUsed };

// How an import of a player file went.
enum class CPlayerImport { Imported, NotPlayerFile, Unreadable };

// Told how far a long task is (done of total); returning false cancels it.
using CProgress = std::function<bool(int nDone, int nTotal)>;

class CVersiluxDoc : public wxDocument {
  public:
    // Connects to the data source and reads the settings. Throws CDBException
    // when the data source cannot be reached, CStartupError when it holds no
    // config or VPD row.
    CVersiluxDoc();
    ~CVersiluxDoc() override;

    // ---- show list ----
    void BuildShowList();
    wxString NextEntryFromDatabase(int& nTranspose, wxString& strTitle);
    wxString NextEntryFromFile(int& nTranspose, int& nForeground, int& nForeground2,
                               int& nBackground, bool& bPreferFlats, int& nType,
                               wxString& strTitle);
    // The show list of the current item of m_pItemsSet alone, as printing
    // lays it out (PrintableEntries.cpp). The show's own list, its build
    // state and the source switches stay as they were, so a running show
    // goes on undisturbed.
    std::vector<wxString> BuildPrintableEntries();
    bool HasMoreParts() const { return !m_show.m_strPartText.empty(); }
    bool IsContinuation() const { return m_show.m_nPartIndex > 0; }

    wxString GetEntry(int i) const;
    unsigned char GetEntryFlags(int i) const;
    int GetPartNumber(int i) const;
    int GetPartCount(int i) const;
    COLORREF GetForeground(int i) const;
    COLORREF GetForeground2(int i) const;
    COLORREF GetBackground(int i) const;
    int GetTranspose(int i) const;
    bool GetPreferFlats(int i) const;
    int GetLastEntry() const { return m_show.m_nLastEntry; }
    // Counts the changes to how show screens look (the show list built, a
    // transposition, the settings read again, Alt H2): screens drawn ahead
    // under another count are stale.
    unsigned GetShowRevision() const { return m_nShowRevision; }
    int GetItemCount() const { return m_show.m_nItemCount; }
    const std::vector<wxString>& GetTitles() const { return m_show.m_arrTitles; }

    // ---- walking the show list by items (ShowNavigation.cpp) ----
    int LastPartOf(int i) const;
    int FirstPartOf(int i) const;
    // The first entry of the n-th item, counting from 1.
    int EntryOfItem(int n) const;
    // Adds nDelta semitones to every part of the item holding entry i.
    void TransposeItem(int i, int nDelta);

    // ---- lookups: a placeholder instead of a failure ----
    wxString GetVPDName(int nID);
    wxString GetItemTitle(int nID);
    wxString GetItemHeading2(int nID);
    wxString GetItemFileName(int nID);
    wxString GetItemText(int nID);
    wxString GetScheduleName(int nID);

    // ---- the debugging dump of the show list ----
    // Builds the show list and returns the dump's text (line ends "\n").
    wxString FormatDebugShowGo();
    // Builds the show list and writes the dump; false with a reason on failure.
    bool WriteDebugShowGo(const wxString& strPath, wxString& strError);

    // ---- player files (PlayerFileCommands.cpp) ----
    // The bytes of a schedule's player file: every row in running order with
    // its item's texts, colours and the transposition the row gives it;
    // Heading2_alt for Heading2 while Alt H2 is on. Reads the items through
    // the lookup set, so m_pItemsSet stays where it was.
    std::string FormatPlayerFile(int nScheduleID);
    // Writes it; false with the path and the reason in strError.
    bool ExportPlayerFile(int nScheduleID, const wxString& strPath, wxString& strError);
    // Reads a player file into memory and, when it has the header, makes it
    // the source of the show (under its file name). A file that cannot be
    // read changes nothing; otherwise m_nScheduleID becomes -1. The caller
    // refreshes the views.
    CPlayerImport ImportPlayerFile(const wxString& strPath, wxString& strError);
    // The schedule's name as the file dialogs offer it.
    wxString OfferedFileName() const;

    // ---- what the main view lists ----
    // The one switch between the listings; the caller refreshes the views.
    void ShowListing(CListingKind kind);

    // ---- phrase search (PhraseSearch.cpp) ----
    // Refills tempsearch with every chord chart's text without its markup, in
    // one transaction: a failure or a cancel leaves the old copy whole.
    // Returns false when onProgress cancelled it. Leaves m_pItemsSet on the
    // chord charts.
    bool RebuildTempSearch(const CProgress& onProgress = {});
    // Lists the items whose Field1 holds the phrase: songs from items, or
    // chord charts from tempsearch (bUseTemp); of the current VPD only when
    // bThisVPD. Refreshes the views.
    void RunPhraseSearch(const wxString& strPhrase, bool bThisVPD, bool bUseTemp);
    // The set the last search filled, and its current row.
    CRecordset& SearchResultSet();
    CSearchResult CurrentSearchResult() const;
    // Every row of the last search's results, from the first.
    std::vector<CSearchResult> GetSearchResults();

    // ---- usage statistics (UsageStatistics.cpp) ----
    // Fills the statistics table (at most 50 rows) for the current VPD and
    // lists it; refreshes the views.
    void RunStatistics(CStatistics kind);

    // ---- the listings as text (ResultsText.cpp) ----
    // Copy's text: every search result, or every statistics row ("\n\r").
    wxString FormatListingForCopy();
    wxString FormatSearchResultsForCopy();
    wxString FormatStatisticsForCopy();
    // Save's text: a line per result (title, tab, context), CR LF.
    wxString FormatSearchResultsForFile();
    // Writes Save's text; false with a reason when the file cannot be written.
    bool WriteSearchResults(const wxString& strPath, wxString& strError);
    // The usage report of one item (ItemUsage.cpp): its last uses, its total
    // per VPD and the chord charts used with it.
    wxString FormatItemUsage(int nItemID);

    // ---- the item library (ItemLibrary.cpp) ----
    // Sets m_pItemsSet to one kind of the current VPD's items (the kind
    // radios' numbers) in title order; returns each row's ID and title in
    // that same order, read without the items' texts. The n-th entry is row
    // n + 1 of m_pItemsSet once MoveToListedItem has run it. Ends a search
    // listing.
    std::vector<CListedItem> ListItems(int nTypeFilter);
    // Moves m_pItemsSet to the n-th listed row (0-based). False, with the set
    // wherever it got to, when that row is not item nID: the list is stale.
    bool MoveToListedItem(int nIndex, int nItemID);
    // The texts of m_pItemsSet's current row that its screen type uses (the
    // others empty), its file name and flags, as edit boxes hold them.
    CItemEditTexts CurrentItemTexts() const;
    // Writes the texts its screen type uses, the file name and the flags into
    // m_pItemsSet's current row. A text that reads as it was loaded keeps its
    // stored line ends. Returns false when nothing changed. Throws
    // CDBException, with nothing left pending, when the store refuses or the
    // row is gone.
    bool SaveCurrentItem(const CItemEditTexts& texts);
    // The screen type a new item of the radio's kind gets.
    int DefaultScreenType(int nTypeFilter) const;
    // Adds an item of the radio's kind to the current VPD with every text of
    // the boxes, the configured screen type and colours.
    void AddNewItem(const CItemEditTexts& texts, int nTypeFilter, const wxString& strTitle);
    // Deletes m_pItemsSet's current row and moves on to the next.
    void DeleteCurrentItem();
    // Adds a copy of m_pItemsSet's current row (texts, colours, kind, screen
    // type, transposition, flats) to a VPD under a title.
    void CopyCurrentItem(const wxString& strTitle, int nToVPD);
    // The properties of m_pItemsSet's current row.
    CItemProperties CurrentItemProperties() const;
    // Writes the properties into m_pItemsSet's current row; a type of 0 or a
    // VPD that is gone keeps the stored one. Throws CDBException, with nothing
    // pending, when the write fails.
    CPropertiesOutcome SaveCurrentItemProperties(const CItemProperties& props);
    // The colours in stored order, the VPDs in name order.
    std::vector<CChoice> ColourChoices();
    std::vector<CChoice> VPDChoices();
    // "Show Seq": the schedules that use the item, newest first, and its
    // total per VPD.
    wxString FormatItemSequence(int nItemID);

    // ---- song files (SongImport.cpp, SongExport.cpp) ----
    // Imports the files as new items of VPD nVPD in one transaction, with
    // the configured colours and screen types; a title the VPD has gets
    // " (2)". A file that cannot be taken is refused and the others go on.
    // Cancelled through onProgress, nothing is kept. Throws CDBException,
    // with nothing kept, when the store fails.
    CSongImport ImportSongFiles(const std::vector<wxString>& paths, int nVPD,
                                const CProgress& onProgress = {});
    // The item's texts as a song file carries them; false when no item has
    // the ID.
    bool ItemSongText(int nItemID, CSongText& song);
    // Writes one item as a song file; false with the reason (also for
    // ChordPro of an item that is not a chord chart).
    bool ExportItemSong(int nItemID, ESongFormat format, const wxString& strPath,
                        wxString& strError);
    // Writes each item into a file of its own in strDir, named after its
    // title; ChordPro skips items that are not chord charts.
    std::vector<CSongFileExport> ExportSongs(const std::vector<int>& itemIDs, ESongFormat format,
                                             const wxString& strDir,
                                             const CProgress& onProgress = {});

    // ---- composing schedules (ScheduleLibrary.cpp) ----
    // The current VPD's schedules in name order (ties by ID): the rows of
    // m_pScheduleSet as it is then filtered and sorted.
    std::vector<CChoice> ListSchedules();
    // A schedule's rows in running order, each with its own transposition
    // and its item's title; an item that is gone shows as "**unknown**".
    std::vector<CScheduleEntry> ReadScheduleEntries(int nScheduleID);
    // One kind (the kind radios' numbers) of a VPD's items, in title order,
    // each with its own transposition. Read without the items' texts.
    std::vector<CListedItem> ListAvailableItems(int nTypeFilter, int nVPD);
    // Replaces a schedule's rows by the entries, in list order, in one
    // transaction: a failure leaves the old rows. Throws CDBException.
    void SaveScheduleEntries(int nScheduleID, const std::vector<CScheduleEntry>& entries);
    // Adds a schedule of the current VPD holding the entries, in one
    // transaction. Returns its ID. Throws CDBException, with nothing added.
    int AddSchedule(const wxString& strName, const std::vector<CScheduleEntry>& entries);
    // Gives a schedule a new name; false when no schedule has the ID.
    bool RenameSchedule(int nScheduleID, const wxString& strName);
    // Deletes a schedule (its rows are left); false when no schedule has
    // the ID.
    bool DeleteSchedule(int nScheduleID);
    // Positions m_pScheduleSet on the schedule; false when none has the ID.
    bool FindSchedule(int nScheduleID);
    // ---- VPDs (VPDLibrary.cpp) ----
    // Each VPD is addressed by its ID, never by its place in a list: names
    // may repeat and IDs may have gaps. Every one reads m_pVPDSet again.
    // Adds a VPD under the name; a name already used is used again.
    void AddVPD(const wxString& strName);
    // Gives VPD nID a new name. Throws CDBException, with nothing pending,
    // when the store refuses or no VPD has the ID.
    void RenameVPD(int nID, const wxString& strName);
    // The items and schedules that belong to VPD nID.
    CVPDUsage CountVPDUsage(int nID);
    // The number of VPDs in the table.
    int CountVPDs();
    // Deletes VPD nID, whatever still belongs to it. Throws CDBException
    // when the store refuses or no VPD has the ID.
    void DeleteVPD(int nID);
    // Makes VPD nID the current one, under its name as stored now; false,
    // with the current VPD unchanged, when no VPD has the ID.
    bool MakeVPDCurrent(int nID);
    // After the VPDs were edited: a current VPD that is gone gives way to the
    // configured default (or the first); a renamed one keeps the name it had.
    void FollowEditedVPDs();

    // Points the schedule-row set at one schedule's rows in running order.
    void OpenScheduleRows(int nScheduleID);
    // After an editor: the schedule-row set back on the current schedule and
    // the listing on the schedule, whose titles may have changed.
    void ReturnFromEditor();

    // ---- simple accessors ----
    int GetScheduleID() const { return m_nScheduleID; }
    wxString GetVPDFilter() const;
    wxString GetFlagCaption1() const { return m_pConfigSet->m_Flag1; }
    wxString GetFlagCaption2() const { return m_pConfigSet->m_Flag2; }
    wxString GetFlagCaption3() const { return m_pConfigSet->m_Flag3; }
    wxString GetFlagCaption4() const { return m_pConfigSet->m_Flag4; }
    bool IsKensington() const { return m_bKensington; }
    bool IsShowingSearch() const { return m_bShowSearch; }
    wxString GetSearchPhrase() const { return m_strSearchPhrase; }
    COLORREF GetForeground3() const { return m_crForeground3; }
    COLORREF GetForeground4() const { return m_crForeground4; }
    COLORREF GetChordColour() const { return m_crChord; }
    COLORREF GetBarColour() const { return m_crBar; }

    // Re-reads the copies of the config row (after the settings were saved).
    void ReadConfigCopies();

    // ---- the settings (Configuration.cpp) ----
    // What the Configuration dialog edits, as the config row holds it.
    CConfigValues CurrentConfiguration() const;
    // Writes the values into the config row (only the columns that changed)
    // and reads the document's copies again. Throws CDBException, with the
    // row's members and the copies left as they were, when the write fails.
    void SaveConfiguration(const CConfigValues& values);
    // The colours and the VPDs in ID order, as the settings' lists offer them.
    std::vector<CChoice> ColourChoicesByID();
    std::vector<CChoice> VPDChoicesByID();
    // A colour number as a colour value; fallback when no Colours row has it.
    COLORREF LookupColour(int nColourID, COLORREF crFallback);

    // ---- pictures ----
    // Loads the picture file into gpPicture; false, with the previous picture
    // kept, when the file cannot be read or decoded.
    bool LoadPicture(const wxString& strPath);
    wxImage gpPicture;
    // The show's pictures fitted to the show area, decoded once.
    CPictureCache m_pictures;
    // Starts fitting the pictures of the show list to area ahead of the show.
    void PrefetchShowPictures(const wxSize& area);

    // ---- the document's own commands ----
    void OnToolsAltH2(wxCommandEvent& event);
    void OnUpdateToolsAltH2(wxUpdateUIEvent& event);
    void OnToolsDisplayFile(wxCommandEvent& event);
    void OnUpdateToolsDisplayFile(wxUpdateUIEvent& event);
    void OnToolsDebugShowGo(wxCommandEvent& event);
    void OnUpdateToolsDebugShowGo(wxUpdateUIEvent& event);
    void OnFileExportPlayer(wxCommandEvent& event);
    void OnUpdateFileExportPlayer(wxUpdateUIEvent& event);
    void OnFileImportPlayer(wxCommandEvent& event);
    void OnUpdateFileImportPlayer(wxUpdateUIEvent& event);
    void OnStats(wxCommandEvent& event);
    void OnUpdateStats(wxUpdateUIEvent& event);

    // Refreshes every view.
    void RefreshViews() { UpdateAllViews(nullptr, nullptr); }

    // ---- connection and shared record sets ----
    CDatabase m_database;
    std::unique_ptr<CColoursSet> m_pColoursSet;
    std::unique_ptr<CConfigSet> m_pConfigSet;
    std::unique_ptr<CItemsSet> m_pItemsSet;
    std::unique_ptr<CItemsSet> m_pLookupSet;
    std::unique_ptr<CScheduleItemSet> m_pScheduleItemSet;
    std::unique_ptr<CScheduleSet> m_pScheduleSet;
    std::unique_ptr<CTempSearchSet> m_pTempSearchSet;
    std::unique_ptr<CVPDSet> m_pVPDSet;

    // ---- current selection and settings ----
    int m_nVPD = 0;
    wxString m_strVPDName;
    int m_nScheduleID = 0;  // 0 none, > 0 a schedule, -1 a player file
    wxString m_strScheduleName;
    bool m_bKensington = false;
    bool m_bTabletMode = false;
    COLORREF m_crForeground3 = 0;
    COLORREF m_crForeground4 = 0;
    COLORREF m_crChord = 0;
    COLORREF m_crBar = 0;
    bool m_bAltH2 = false;
    unsigned m_nShowRevision = 0;

    // ---- mode switches ----
    bool m_bPlayerFile = false;
    bool m_bPreview = false;
    bool m_bPreviewDone = false;
    bool m_bShowSearch = false;
    bool m_bSearchThisVPD = false;
    bool m_bSearchTemp = false;
    bool m_bShowStats = false;
    bool m_bPrintable = false;
    bool m_bPrintPreferFlats = false;
    bool m_bPrintBW = false;
    int m_nPrintTranspose = 0;
    bool m_bDisplayFile = false;
    bool m_bScrollTop = false;

    // ---- the imported player file, kept whole in memory: a show does not
    // need the file (or the stick it was on) once it is imported ----
    CPlayerFile m_playerFile;

    // ---- listings for the main view ----
    wxString m_strSearchPhrase;
    int m_nSearchLine = 0;
    int m_nSearchFirst = 0;
    static constexpr int kMaxStats = 50;
    std::vector<int> m_statIDs = std::vector<int>(kMaxStats, 0);
    std::vector<int> m_statCounts = std::vector<int>(kMaxStats, 0);
    std::vector<wxString> m_statTitles = std::vector<wxString>(kMaxStats);
    int m_nStatCount = 0;

  private:
    void ClearStatistics();
    void CountMostRecentlyUsed();
    void CountUses(bool bMostFirst);
    void CountLeastRecentlyUsed();
    void ResolveScreenColours();
    void ChooseDefaultVPD();
    // Positions m_pVPDSet on VPD nID alone; false when no VPD has the ID.
    bool FindVPD(int nID);
    // Positions m_pLookupSet on the item; false when no item has the ID.
    bool FindLookupItem(int nID);
    // The titles (with IDs and own transpositions) of the items a filter
    // selects, in the item lists' order.
    std::vector<CListedItem> ReadItemTitles(const wxString& strFilter);
    // Writes the entries as the schedule's rows; the caller holds the
    // transaction.
    void InsertScheduleRows(int nScheduleID, const std::vector<CScheduleEntry>& entries);
    // The filter of the last item list; m_pItemsSet runs with it when an
    // item is first moved to.
    wxString m_strListedFilter;
    // "\n%s : %d" per VPD in name order: the item's uses in its schedules.
    wxString FormatTotalUsage(int nItemID);

    // ---- the show list ----
    // Everything the builder writes: the list a show plays and the state of
    // the item being split into parts. Kept together, so a build for
    // printing can set the show's list aside whole and put it back.
    struct CShowListData {
        std::vector<wxString> m_arrEntries;
        std::vector<wxString> m_arrTitles;
        std::vector<unsigned char> m_arrEntryFlags;
        // Part numbers and counts are kept wider than a byte, so an item of more
        // than 255 parts still counts right.
        std::vector<int> m_arrPartNumber;
        std::vector<int> m_arrPartCount;
        std::vector<unsigned char> m_arrFgRed, m_arrFgGreen, m_arrFgBlue;
        std::vector<unsigned char> m_arrFg2Red, m_arrFg2Green, m_arrFg2Blue;
        std::vector<unsigned char> m_arrBgRed, m_arrBgGreen, m_arrBgBlue;
        std::vector<unsigned char> m_arrTranspose;
        std::vector<unsigned char> m_arrPreferFlats;
        int m_nLastEntry = 0;
        int m_nItemCount = 0;

        wxString m_strPartText;
        wxString m_strPartHeading;
        int m_nPartIndex = 0;
    };
    CShowListData m_show;

    wxDECLARE_NO_COPY_CLASS(CVersiluxDoc);
    wxDECLARE_EVENT_TABLE();
};
