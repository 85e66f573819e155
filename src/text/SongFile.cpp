#include "text/SongFile.h"

#include <wx/filename.h>

#include <string_view>

#include "text/ChordProFormat.h"
#include "text/OpenLyricsFormat.h"
#include "text/PlainTextSong.h"
#include "text/SongFileBytes.h"

bool SongFormatOfPath(const wxString& strPath, ESongFormat& format) {
    const wxString ext = wxFileName(strPath).GetExt().Lower();
    if (ext == "cho" || ext == "chordpro" || ext == "chopro" || ext == "crd" || ext == "pro") {
        format = ESongFormat::ChordPro;
    } else if (ext == "xml") {
        format = ESongFormat::OpenLyrics;
    } else if (ext == "txt") {
        format = ESongFormat::PlainText;
    } else {
        return false;
    }
    return true;
}

bool ReadSongFile(ESongFormat format, const std::string& bytes, CSongText& song,
                  CSongFileError& error) {
    wxString text;
    std::string_view utf8;
    if (!DecodeSongBytes(bytes, text, utf8, error)) {
        return false;
    }
    CSongText read;
    bool bRead = false;
    switch (format) {
        case ESongFormat::ChordPro:
            bRead = ReadChordPro(text, read, error);
            break;
        case ESongFormat::OpenLyrics:
            bRead = ReadOpenLyrics(utf8, read, error);
            break;
        case ESongFormat::PlainText:
            bRead = ReadPlainTextSong(text, read, error);
            break;
    }
    if (!bRead) {
        return false;
    }
    if (read.strField1.length() > kMaxSongText) {
        error.nLine = 0;
        error.strReason =
            wxString::Format("the words take %zu characters; an item holds at most %zu",
                             static_cast<size_t>(read.strField1.length()), kMaxSongText);
        return false;
    }
    if (read.strTitle.empty() && read.strField1.empty()) {
        error.nLine = 0;
        error.strReason = "the file holds no song: neither a title nor any words";
        return false;
    }
    song = read;
    return true;
}
