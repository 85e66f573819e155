// Importing a band's library: 2,000 OpenLyrics files and 2,000 ChordPro
// files of realistic length, generated once, each import into an empty
// items table in one transaction.
#include <benchmark/benchmark.h>
#include <wx/ffile.h>
#include <wx/filename.h>

#include <vector>

#include "HeadlessBenchMain.h"
#include "LargeLibrary.h"
#include "doc/VersiluxDoc.h"

namespace {

constexpr int kSongs = 2000;

const char* const kLines[] = {
    "Amazing grace, how sweet the sound",     "That saved a wretch like me",
    "I once was lost, but now am found",      "Was blind, but now I see",
    "Be Thou my vision, O Lord of my heart",  "Naught be all else to me, save that Thou art",
    "Abide with me, fast falls the eventide", "The darkness deepens, Lord with me abide",
};
const char* const kChords[] = {"G", "C", "D7", "Em", "Am7", "G/B"};

// A verse of four lines; with chords, one before every fourth word.
wxString Verse(int nSong, int nVerse, bool bChords, bool bXml) {
    wxString text;
    for (int l = 0; l < 4; ++l) {
        const wxString line = kLines[(nSong + nVerse + l) % 8];
        wxString out;
        int nWord = 0;
        for (const wxString& word : wxSplit(line, ' ')) {
            if (bChords && nWord++ % 4 == 0) {
                const wxString chord = kChords[(nSong + nWord + l) % 6];
                out << (bXml ? "<chord name=\"" + chord + "\"/>" : "[" + chord + "]");
            }
            out << word << ' ';
        }
        out.Trim();
        text << out << (l < 3 ? (bXml ? "<br/>" : "\n") : "");
    }
    return text;
}

wxString OpenLyricsSong(int n) {
    const bool bChords = n % 2 == 0;
    wxString xml =
        "<?xml version='1.0' encoding='UTF-8'?>\n"
        "<song xmlns=\"http://openlyrics.info/namespace/2009/song\" version=\"0.8\" "
        "createdIn=\"Another program\">\n  <properties>\n    <titles>\n";
    xml << wxString::Format("      <title>Song %04d of the library</title>\n", n)
        << "    </titles>\n    <authors>\n      <author type=\"words\">John Newton</author>\n"
        << "    </authors>\n    <copyright>Public domain</copyright>\n"
        << "    <verseOrder>v1 c v2 c v3 c v4</verseOrder>\n  </properties>\n  <lyrics>\n";
    const char* names[] = {"v1", "c", "v2", "v3", "v4"};
    for (int v = 0; v < 5; ++v) {
        xml << "    <verse name=\"" << names[v] << "\">\n      <lines>"
            << Verse(n, v, bChords, true) << "</lines>\n    </verse>\n";
    }
    return xml << "  </lyrics>\n</song>\n";
}

wxString ChordProSong(int n) {
    wxString text = wxString::Format(
        "{title: Song %04d of the library}\n{artist: John Newton}\n"
        "{key: G}\n{tempo: 72}\n",
        n);
    for (int v = 0; v < 5; ++v) {
        text << (v == 1 ? "\n{start_of_chorus}\n" : "\n") << Verse(n, v, true, false) << "\n"
             << (v == 1 ? "{end_of_chorus}\n" : "");
    }
    return text;
}

struct SongFolder {
    SmallLibrary lib;
    std::vector<wxString> openLyrics;
    std::vector<wxString> chordPro;
    SongFolder() {
        lib.Exec("UPDATE config SET Screen2_default=4, Screen4_default=7");
        const wxString dir = lib.Source().Dir();
        for (int n = 0; n < kSongs; ++n) {
            openLyrics.push_back(wxString::Format("%s/song%04d.xml", dir, n));
            wxFFile(openLyrics.back(), "w").Write(OpenLyricsSong(n));
            chordPro.push_back(wxString::Format("%s/song%04d.cho", dir, n));
            wxFFile(chordPro.back(), "w").Write(ChordProSong(n));
        }
    }
};

SongFolder& Folder() {
    static SongFolder folder;
    return folder;
}

void ImportAll(benchmark::State& state, const std::vector<wxString>& files) {
    SongFolder& folder = Folder();
    CVersiluxDoc doc;
    for (auto _ : state) {
        state.PauseTiming();
        folder.lib.Exec("DELETE FROM items");
        state.ResumeTiming();
        const CSongImport import = doc.ImportSongFiles(files, 1);
        if (import.ImportedCount() != kSongs) {
            state.SkipWithError(import.files[0].strRefusal.utf8_str().data());
            break;
        }
    }
    state.counters["songs"] = kSongs;
}

void BM_Import2000OpenLyricsFiles(benchmark::State& state) {
    ImportAll(state, Folder().openLyrics);
}
BENCHMARK(BM_Import2000OpenLyricsFiles)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(false);

void BM_Import2000ChordProFiles(benchmark::State& state) {
    ImportAll(state, Folder().chordPro);
}
BENCHMARK(BM_Import2000ChordProFiles)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(false);

}  // namespace

int main(int argc, char** argv) {
    return RunHeadlessBenchmarks(argc, argv);
}
