#include "app/CommandLine.h"

#include <unistd.h>
#include <wx/app.h>
#include <wx/dir.h>
#include <wx/filefn.h>
#include <wx/init.h>
#include <wx/utils.h>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/DisplayCheck.h"
#include "app/Startup.h"
#include "db/DataFiles.h"
#include "db/DataSourceName.h"
#include "db/LibraryCopy.h"
#include "db/LibrarySetup.h"
#include "doc/ExchangeText.h"
#include "doc/VersiluxDoc.h"
#include "odbc/Catalog.h"
#include "odbc/DBException.h"
#include "odbc/DataSourceRegistry.h"
#include "odbc/Database.h"
#include "view/ExportScreens.h"
#include "view/PrintItemPdf.h"

namespace {

const char* kProgramUsage =
    "usage: versilux [FILE]\n"
    "  Starts the program with its windows (needs a display).\n"
    "usage: versilux --help\n"
    "  Shows this text.\n";

const char* kDataSourceUsage =
    "usage: versilux --data-source DSN [FILE | COMMAND...]\n"
    "  Starts the program, or runs any command below, on the library in the ODBC\n"
    "  data source DSN instead of Versilux. The option may also come last.\n";

const char* kCreateLibraryUsage =
    "usage: versilux --create-library DSN [--demo]\n"
    "  Makes a new library in the ODBC data source DSN (an empty database): the\n"
    "  tables, the colours, a first VPD and the settings; with --demo also the\n"
    "  demo songs and schedules. Refuses a database that already has the tables.\n";

const char* kCopyLibraryUsage =
    "usage: versilux --copy-library FROM_DSN TO_DSN\n"
    "  Copies the whole library of FROM_DSN to TO_DSN with its IDs, in one\n"
    "  transaction. TO_DSN may be an empty database or a library without items\n"
    "  (its rows are replaced); one that holds items is refused.\n";

const char* kUsage =
    "usage: versilux --debug-show-go SCHEDULE_ID [--out FILE]\n"
    "  Builds the show list of the schedule on the configured data source and\n"
    "  writes the show-list dump (default file: DebugShowGo.txt).\n"
    "usage: versilux --debug-show-go --player FILE [--out DUMP]\n"
    "  The same for the show read from a player file.\n";

const char* kExportPlayerUsage =
    "usage: versilux --export-player SCHEDULE_ID --out FILE\n"
    "  Writes the schedule as a player file (File > Export for player, Alt H2 off).\n";

const char* kSearchUsage =
    "usage: versilux --search PHRASE [--this-vpd] [--songs] [--rebuild] [--out FILE]\n"
    "  Finds the phrase as Tools > Search does: in the chord charts of the temporary\n"
    "  search database (made anew with --rebuild), or in the songs with --songs; in\n"
    "  the default VPD only with --this-vpd. Writes the results as File > Save does\n"
    "  (a line per item: title, tab, text around the phrase), to FILE or the output.\n";

const char* kImportUsage =
    "usage: versilux --import FILE... [--vpd ID]\n"
    "  Imports song files (ChordPro .cho .chordpro .chopro .crd .pro, OpenLyrics .xml,\n"
    "  plain text .txt; a folder stands for the song files in it) as new items of the\n"
    "  default VPD, or of VPD ID, in one transaction. Prints a line per file: the new\n"
    "  item's title and ID, or FILE:LINE: why the file was refused.\n";

const char* kExportItemUsage =
    "usage: versilux --export-item ITEM_ID --format chordpro|openlyrics --out FILE\n"
    "  Writes one item as a song file: ChordPro (chord charts) or OpenLyrics (any item).\n";

const char* kStatsUsage =
    "usage: versilux --stats most-recent|most-used|least-recent|least-used [--out FILE]\n"
    "  Writes the statistics of the default VPD as Edit > Copy copies them.\n";

int Fail(const wxString& message, int code) {
    std::fprintf(stderr, "%s\n", static_cast<const char*>(message.utf8_str()));
    return code;
}

bool ParseId(const char* text, int& id) {
    long value = 0;
    if (!wxString::FromUTF8(text).ToLong(&value) || value < -1 || value > 0x7FFFFFFF) {
        return false;
    }
    id = static_cast<int>(value);
    return true;
}

// Connects to a data source the user named; false with the reason printed
// (rc 1) when it is not registered or cannot be reached.
bool ConnectTo(CDatabase& db, const wxString& strName) {
    if (!DataSourceExists(strName)) {
        Fail("versilux: no ODBC data source named \"" + strName +
                 "\" is registered (see odbcinst -q -s)",
             1);
        return false;
    }
    try {
        db.OpenEx("DSN=" + strName + ";");
        return true;
    } catch (const CDBException& e) {
        Fail("versilux: cannot connect to the data source \"" + strName +
                 "\": " + e.GetErrorMessage(),
             1);
    }
    return false;
}

// "16 colours", "1 VPD": a count with its noun, plural when not one.
wxString Counted(long n, const wxString& strOne, const wxString& strMany) {
    return wxString::Format("%ld ", n) + (n == 1 ? strOne : strMany);
}

// What a library holds, for the lines that say what was made or copied.
wxString DescribeLibrary(CDatabase& db) {
    return Counted(static_cast<long>(std::size(kLibraryTables)), "table", "tables") + ", " +
           Counted(CountRows(db, "Colours"), "colour", "colours") + ", " +
           Counted(CountRows(db, "VPD"), "VPD", "VPDs") + ", " +
           Counted(CountRows(db, "items"), "item", "items") + ", " +
           Counted(CountRows(db, "Schedules"), "schedule", "schedules");
}

// The options from argv[nFirst] on, where "--out FILE" is the only one;
// false for anything else.
bool ParseOutOption(int argc, char** argv, int nFirst, wxString& strOut) {
    for (int i = nFirst; i < argc; ++i) {
        if (wxString(argv[i]) != "--out" || i + 1 >= argc) {
            return false;
        }
        strOut = wxString::FromUTF8(argv[++i]);
    }
    return true;
}

// Opens the document on the configured data source without the toolkit's
// windows and runs work on it; the work's exit code, or 1 with the reason.
int WithDocument(const std::function<int(CVersiluxDoc&)>& work) {
    wxInitializer init;
    if (!init.IsOk()) {
        return Fail("versilux: cannot initialise", 1);
    }
    wxString error;
    std::unique_ptr<CVersiluxDoc> doc = OpenVersiluxDocument(error);
    if (!doc) {
        return Fail(error, 1);
    }
    try {
        return work(*doc);
    } catch (const std::exception& e) {
        return Fail(DescribeStartupFailure(e), 1);
    }
}

// The bytes to FILE, or to the standard output when no file is named.
int WriteOutput(const wxString& strOut, const std::string& bytes) {
    if (strOut.empty()) {
        if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() ||
            std::fflush(stdout) != 0) {
            return Fail("versilux: cannot write the output", 1);
        }
        return 0;
    }
    wxString error;
    if (!WriteFileBytes(strOut, bytes, error)) {
        return Fail("versilux: " + error, 1);
    }
    return 0;
}

int RunSearch(int argc, char** argv) {
    if (argc < 3) {
        return Fail(kSearchUsage, 2);
    }
    const wxString phrase = wxString::FromUTF8(argv[2]);
    bool bThisVPD = false;
    bool bUseTemp = true;
    bool bRebuild = false;
    wxString out;
    for (int i = 3; i < argc; ++i) {
        const wxString arg = argv[i];
        if (arg == "--this-vpd") {
            bThisVPD = true;
        } else if (arg == "--songs") {
            bUseTemp = false;
        } else if (arg == "--rebuild") {
            bRebuild = true;
        } else if (arg == "--out" && i + 1 < argc) {
            out = wxString::FromUTF8(argv[++i]);
        } else {
            return Fail(kSearchUsage, 2);
        }
    }
    if (phrase.empty()) {
        return Fail(wxString("Please enter something to search for\n") + kSearchUsage, 2);
    }
    return WithDocument([&](CVersiluxDoc& doc) {
        if (bRebuild) {
            doc.RebuildTempSearch();
        }
        doc.RunPhraseSearch(phrase, bThisVPD, bUseTemp);
        return WriteOutput(out, EncodeExchangeText(doc.FormatSearchResultsForFile()));
    });
}

int RunStats(int argc, char** argv) {
    static const std::pair<const char*, CStatistics> kinds[] = {
        {"most-recent", CStatistics::MostRecentlyUsed},
        {"most-used", CStatistics::MostUsed},
        {"least-recent", CStatistics::LeastRecentlyUsed},
        {"least-used", CStatistics::LeastUsed},
    };
    if (argc < 3) {
        return Fail(kStatsUsage, 2);
    }
    const auto kind = std::find_if(std::begin(kinds), std::end(kinds),
                                   [&](const auto& k) { return wxString(argv[2]) == k.first; });
    if (kind == std::end(kinds)) {
        return Fail(kStatsUsage, 2);
    }
    wxString out;
    if (!ParseOutOption(argc, argv, 3, out)) {
        return Fail(kStatsUsage, 2);
    }
    return WithDocument([&](CVersiluxDoc& doc) {
        doc.RunStatistics(kind->second);
        const wxString text = doc.FormatStatisticsForCopy();
        const wxScopedCharBuffer utf8 = text.utf8_str();  // points into text
        return WriteOutput(out, std::string(utf8.data(), utf8.length()));
    });
}

int RunDebugShowGo(int argc, char** argv) {
    int scheduleID = 0;
    wxString player;
    wxString out = "DebugShowGo.txt";
    int i = 3;
    if (argc >= 4 && wxString(argv[2]) == "--player") {
        player = wxString::FromUTF8(argv[3]);
        i = 4;
    } else if (argc < 3 || !ParseId(argv[2], scheduleID)) {
        return Fail(kUsage, 2);
    }
    if (!ParseOutOption(argc, argv, i, out)) {
        return Fail(kUsage, 2);
    }
    return WithDocument([&](CVersiluxDoc& doc) {
        if (player.empty()) {
            doc.m_nScheduleID = scheduleID;
        } else if (wxString error; doc.ImportPlayerFile(player, error) != CPlayerImport::Imported) {
            return Fail("versilux: " + (error.empty() ? player + ": Not a valid VLP file" : error),
                        1);
        }
        if (wxString error; !doc.WriteDebugShowGo(out, error)) {
            return Fail("versilux: " + error, 1);
        }
        std::printf("%s written\n", static_cast<const char*>(out.utf8_str()));
        return 0;
    });
}

int RunExportPlayer(int argc, char** argv) {
    int scheduleID = 0;
    wxString out;
    if (argc < 3 || !ParseId(argv[2], scheduleID)) {
        return Fail(kExportPlayerUsage, 2);
    }
    if (!ParseOutOption(argc, argv, 3, out) || out.empty()) {
        return Fail(kExportPlayerUsage, 2);
    }
    return WithDocument([&](CVersiluxDoc& doc) {
        if (scheduleID <= 0 || !doc.FindSchedule(scheduleID)) {
            return Fail(wxString::Format("versilux: no schedule has the ID %d", scheduleID), 1);
        }
        if (wxString error; !doc.ExportPlayerFile(scheduleID, out, error)) {
            return Fail("versilux: " + error, 1);
        }
        std::printf("%s written\n", static_cast<const char*>(out.utf8_str()));
        return 0;
    });
}

// The song files a command-line argument stands for: the file itself, or the
// song files of a folder in name order.
std::vector<wxString> SongFilesOf(const wxString& strArg) {
    if (!wxDirExists(strArg)) {
        return {strArg};
    }
    wxArrayString names;
    wxDir::GetAllFiles(strArg, &names, wxEmptyString, wxDIR_FILES);
    names.Sort();
    std::vector<wxString> files;
    for (const wxString& name : names) {
        if (ESongFormat format{}; SongFormatOfPath(name, format)) {
            files.push_back(name);
        }
    }
    return files;
}

int RunImport(int argc, char** argv) {
    std::vector<wxString> args;
    int nVPD = 0;
    bool bVPDGiven = false;
    for (int i = 2; i < argc; ++i) {
        const wxString arg = wxString::FromUTF8(argv[i]);
        if (arg == "--vpd") {
            if (i + 1 >= argc || !ParseId(argv[++i], nVPD) || nVPD <= 0) {
                return Fail(kImportUsage, 2);
            }
            bVPDGiven = true;
        } else if (arg.StartsWith("--")) {
            return Fail(kImportUsage, 2);
        } else {
            args.push_back(arg);
        }
    }
    if (args.empty()) {
        return Fail(kImportUsage, 2);
    }
    return WithDocument([&](CVersiluxDoc& doc) {
        if (bVPDGiven && !doc.MakeVPDCurrent(nVPD)) {
            return Fail(wxString::Format("versilux: no VPD has the ID %d", nVPD), 1);
        }
        std::vector<wxString> files;
        for (const wxString& arg : args) {
            const std::vector<wxString> some = SongFilesOf(arg);
            if (some.empty()) {
                return Fail("versilux: " + arg + ": the folder holds no song files", 1);
            }
            files.insert(files.end(), some.begin(), some.end());
        }
        const CSongImport import = doc.ImportSongFiles(files, doc.m_nVPD);
        for (const CSongFileImport& file : import.files) {
            if (file.bImported) {
                std::printf("%s: %s (ID %d)\n", static_cast<const char*>(file.strPath.utf8_str()),
                            static_cast<const char*>(file.strTitle.utf8_str()), file.nItemID);
            } else {
                std::fflush(stdout);  // the lines stay in the files' order
                std::fprintf(stderr, "%s\n", static_cast<const char*>(file.strRefusal.utf8_str()));
            }
        }
        std::printf("%d imported, %d refused\n", import.ImportedCount(), import.RefusedCount());
        return import.RefusedCount() == 0 ? 0 : 1;
    });
}

int RunExportItem(int argc, char** argv) {
    int nItemID = 0;
    if (argc < 3 || !ParseId(argv[2], nItemID)) {
        return Fail(kExportItemUsage, 2);
    }
    wxString strFormat;
    wxString out;
    for (int i = 3; i < argc; ++i) {
        const wxString arg = argv[i];
        if (arg == "--format" && i + 1 < argc) {
            strFormat = argv[++i];
        } else if (arg == "--out" && i + 1 < argc) {
            out = wxString::FromUTF8(argv[++i]);
        } else {
            return Fail(kExportItemUsage, 2);
        }
    }
    ESongFormat format{};
    if (strFormat == "chordpro") {
        format = ESongFormat::ChordPro;
    } else if (strFormat == "openlyrics") {
        format = ESongFormat::OpenLyrics;
    } else {
        return Fail(kExportItemUsage, 2);
    }
    if (out.empty()) {
        return Fail(kExportItemUsage, 2);
    }
    return WithDocument([&](CVersiluxDoc& doc) {
        if (wxString error; !doc.ExportItemSong(nItemID, format, out, error)) {
            return Fail("versilux: " + error, 1);
        }
        std::printf("%s written\n", static_cast<const char*>(out.utf8_str()));
        return 0;
    });
}

int RunCreateLibrary(int argc, char** argv) {
    if (argc < 3 || wxString(argv[2]).StartsWith("-") || argc > 4 ||
        (argc == 4 && wxString(argv[3]) != "--demo")) {
        return Fail(kCreateLibraryUsage, 2);
    }
    const wxString name = wxString::FromUTF8(argv[2]);
    const bool bDemo = argc == 4;
    wxInitializer init;
    if (!init.IsOk()) {
        return Fail("versilux: cannot initialise", 1);
    }
    CDatabase db;
    if (!ConnectTo(db, name)) {
        return 1;
    }
    try {
        // Asked of the catalog, outside any transaction: a failed probe
        // would spoil a PostgreSQL transaction.
        if (GetLibraryState(db) != ELibraryState::None) {
            return Fail("versilux: the data source \"" + name +
                            "\" already holds a library (or some of its tables); nothing "
                            "was changed",
                        1);
        }
        CTransaction transaction(db);
        CreateLibrary(db, GetShippedDataDir(),
                      bDemo ? ELibraryContent::Demo : ELibraryContent::Starter);
        transaction.Commit();
        std::printf("Created a library in %s: %s\n", static_cast<const char*>(name.utf8_str()),
                    static_cast<const char*>(DescribeLibrary(db).utf8_str()));
        return 0;
    } catch (const std::exception& e) {
        return Fail("versilux: cannot create a library in \"" + name + "\": " + FailureReason(e) +
                        "\nNothing was changed.",
                    1);
    }
}

// Progress of a copy on the error output: a line per table with its rows,
// and a running count for large tables (in place on a terminal).
LibraryCopyProgress PrintCopyProgress() {
    const bool bTerminal = isatty(fileno(stderr)) != 0;
    return [bTerminal](const wxString& strTable, long nRows, bool bDone) {
        const std::string table(UnbracketedName(strTable).utf8_str());
        if (bDone) {
            std::fprintf(stderr, "%s%-40s\n", bTerminal ? "\r" : "",
                         (table + ": " + Counted(nRows, "row", "rows").ToStdString()).c_str());
        } else if (bTerminal) {
            std::fprintf(stderr, "\r%s: %ld rows...", table.c_str(), nRows);
        } else if (nRows % (10 * kCopyProgressStep) == 0) {
            std::fprintf(stderr, "%s: %ld rows so far\n", table.c_str(), nRows);
        }
        std::fflush(stderr);
    };
}

int RunCopyLibrary(int argc, char** argv) {
    if (argc != 4 || wxString(argv[2]).StartsWith("-") || wxString(argv[3]).StartsWith("-")) {
        return Fail(kCopyLibraryUsage, 2);
    }
    const wxString from = wxString::FromUTF8(argv[2]);
    const wxString to = wxString::FromUTF8(argv[3]);
    if (from.CmpNoCase(to) == 0) {
        return Fail(
            "versilux: a library cannot be copied onto itself\n" + wxString(kCopyLibraryUsage), 2);
    }
    wxInitializer init;
    if (!init.IsOk()) {
        return Fail("versilux: cannot initialise", 1);
    }
    CDatabase source;
    CDatabase target;
    if (!ConnectTo(source, from) || !ConnectTo(target, to)) {
        return 1;
    }
    const wxString what =
        "versilux: cannot copy the library of \"" + from + "\" to \"" + to + "\": ";
    try {
        CopyLibrary(source, target, GetShippedDataDir(), PrintCopyProgress());
        std::printf("Copied the library of %s to %s: %s\n",
                    static_cast<const char*>(from.utf8_str()),
                    static_cast<const char*>(to.utf8_str()),
                    static_cast<const char*>(DescribeLibrary(target).utf8_str()));
        return 0;
    } catch (const CLibraryRefused& e) {
        return Fail(what + wxString::FromUTF8(e.what()) + "; nothing was changed", 1);
    } catch (const std::exception& e) {
        return Fail(what + FailureReason(e) + "\nNothing was changed.", 1);
    }
}

// Drawing needs the toolkit on a display. Without one, the command runs
// itself again under a virtual display when xvfb-run is there.
void RerunUnderVirtualDisplay(int argc, char** argv) {
    wxString why;
    if (CanReachDisplay(why) || wxGetEnv("VERSILUX_XVFB", nullptr)) {
        return;
    }
    setenv("VERSILUX_XVFB", "1", 1);
    std::vector<char*> args = {const_cast<char*>("xvfb-run"), const_cast<char*>("-a")};
    args.insert(args.end(), argv, argv + 1);
    // The option was taken off the arguments; the run again needs it too.
    const std::string name(GetDataSourceName().utf8_str());
    if (!UsesDefaultDataSource()) {
        args.push_back(const_cast<char*>("--data-source"));
        args.push_back(const_cast<char*>(name.c_str()));
    }
    args.insert(args.end(), argv + 1, argv + argc);
    args.push_back(nullptr);
    execvp("xvfb-run", args.data());  // returns only when xvfb-run is not installed
}

// Runs drawing work on the document with the toolkit started (on a virtual
// display when there is no real one); the work's exit code, or 1 with the
// reason. The document goes before the toolkit is cleaned up.
int WithDrawingDocument(int argc, char** argv, const char* strCommand,
                        const std::function<int(CVersiluxDoc&, wxString&)>& work) {
    RerunUnderVirtualDisplay(argc, argv);
    const wxString needsDisplay =
        wxString::Format("versilux: %s needs a display (run it under xvfb-run)", strCommand);
    // The toolkit traps rather than fails without a display: ask first.
    if (wxString why; !CanReachDisplay(why)) {
        return Fail(why + "\n" + needsDisplay, 1);
    }
    wxApp::SetInstance(new wxApp);  // a plain application: no windows, only drawing
    if (!wxEntryStart(argc, argv)) {
        return Fail(needsDisplay, 1);
    }
    int rc = 1;
    {
        wxString error;
        std::unique_ptr<CVersiluxDoc> doc = OpenVersiluxDocument(error);
        if (!doc) {
            Fail(error, 1);
        } else {
            try {
                rc = work(*doc, error);
                if (rc != 0) {
                    Fail("versilux: " + error, rc);
                }
            } catch (const std::exception& e) {
                rc = Fail(DescribeStartupFailure(e), 1);
            }
        }
    }
    wxEntryCleanup();
    return rc;
}

int RunExportScreens(int argc, char** argv) {
    CExportScreensArgs args;
    if (!ParseExportScreensArgs(argc, argv, 2, args)) {
        return Fail(kExportScreensUsage, 2);
    }
    return WithDrawingDocument(
        argc, argv, "--export-screens", [&](CVersiluxDoc& doc, wxString& error) {
            return ExportScreens(doc, args.nScheduleID, args.size, args.strOutDir, error);
        });
}

int RunPrintItem(int argc, char** argv) {
    CPrintItemArgs args;
    if (!ParsePrintItemArgs(argc, argv, 2, args)) {
        return Fail(kPrintItemUsage, 2);
    }
    return WithDrawingDocument(argc, argv, "--print-item", [&](CVersiluxDoc& doc, wxString& error) {
        return PrintItemToPdf(doc, args, error);
    });
}

wxString AllUsages() {
    return wxString(kProgramUsage) + kDataSourceUsage + kUsage + kExportPlayerUsage + kSearchUsage +
           kImportUsage + kExportItemUsage + kStatsUsage + kExportScreensUsage + kPrintItemUsage +
           kCreateLibraryUsage + kCopyLibraryUsage;
}

}  // namespace

bool RunHeadlessCommand(int argc, char** argv, int& rc) {
    if (argc < 2) {
        return false;
    }
    const wxString command = argv[1];
    if (command == "--debug-show-go") {
        rc = RunDebugShowGo(argc, argv);
        return true;
    }
    if (command == "--export-player") {
        rc = RunExportPlayer(argc, argv);
        return true;
    }
    if (command == "--search") {
        rc = RunSearch(argc, argv);
        return true;
    }
    if (command == "--import") {
        rc = RunImport(argc, argv);
        return true;
    }
    if (command == "--export-item") {
        rc = RunExportItem(argc, argv);
        return true;
    }
    if (command == "--stats") {
        rc = RunStats(argc, argv);
        return true;
    }
    if (command == "--export-screens") {
        rc = RunExportScreens(argc, argv);
        return true;
    }
    if (command == "--print-item") {
        rc = RunPrintItem(argc, argv);
        return true;
    }
    if (command == "--create-library" || command == "--copy-library") {
        // They name their data sources themselves.
        if (!UsesDefaultDataSource()) {
            rc = Fail(wxString("versilux: --data-source does not go with ") + command + "\n" +
                          (command == "--create-library" ? kCreateLibraryUsage : kCopyLibraryUsage),
                      2);
        } else {
            rc = command == "--create-library" ? RunCreateLibrary(argc, argv)
                                               : RunCopyLibrary(argc, argv);
        }
        return true;
    }
    if (command == "--help" || command == "-h") {
        std::printf("%s", static_cast<const char*>(AllUsages().utf8_str()));
        rc = 0;
        return true;
    }
    // The program itself takes at most a document file name.
    if (command.StartsWith("-") || argc > 2) {
        std::fprintf(stderr, "%s", static_cast<const char*>(AllUsages().utf8_str()));
        rc = 2;
        return true;
    }
    return false;
}

bool TakeDataSourceOption(std::vector<char*>& args, int& rc) {
    // Before the command, or as the last two arguments, so that a command's
    // own argument (a search phrase, a file) is never taken for it.
    size_t at = 0;
    if (args.size() > 1 && wxString(args[1]) == "--data-source") {
        at = 1;
    } else if (args.size() > 2 && wxString(args[args.size() - 2]) == "--data-source") {
        at = args.size() - 2;
    } else if (args.size() > 1 && wxString(args.back()) == "--data-source") {
        rc = Fail(kDataSourceUsage, 2);
        return false;
    }
    if (at == 0) {
        return true;
    }
    if (at + 1 >= args.size() || wxString(args[at + 1]).StartsWith("-") ||
        wxString::FromUTF8(args[at + 1]).Strip(wxString::both).empty()) {
        rc = Fail(kDataSourceUsage, 2);
        return false;
    }
    SetDataSourceName(wxString::FromUTF8(args[at + 1]));
    args.erase(args.begin() + static_cast<std::ptrdiff_t>(at),
               args.begin() + static_cast<std::ptrdiff_t>(at) + 2);
    return true;
}

bool CheckDisplayForWindows(int& rc) {
    wxString why;
    if (CanReachDisplay(why)) {
        return true;
    }
    rc = Fail(why, 1);
    return false;
}
