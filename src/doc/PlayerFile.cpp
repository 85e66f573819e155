#include "doc/PlayerFile.h"

#include <climits>
#include <vector>

#include "doc/ExchangeText.h"
#include "odbc/EightBitText.h"

namespace {

const wxString kNewItem = "\bVLP - NEW SONG";
const wxString kEndOfItem = "\bVLP - END OF SONG";
const wxString kEndOfFile = "\bVLP - END OF FILE";
const wxString kHeading1 = "\bHEADING1";
const wxString kHeading2 = "\bHEADING2";
const wxString kField1 = "\bFIELD1";
const wxString kField2 = "\bFIELD2";
const wxString kAnyMarker = "\bVLP";
const wxString kNotFoundText = "99\b**Not Found**\b\b\b";

// The number after the key, read as atoi reads it (blanks, a sign, digits);
// false when the key is missing, no digit follows or it does not fit an int.
bool NumberAfter(const wxString& strLine, const wxString& strKey, int& nValue) {
    const size_t at = strLine.find(strKey);
    if (at == wxString::npos) {
        return false;
    }
    size_t i = at + strKey.length();
    const size_t n = strLine.length();
    while (i < n && (strLine[i] == ' ' || strLine[i] == '\t')) {
        ++i;
    }
    bool bNegative = false;
    if (i < n && (strLine[i] == '-' || strLine[i] == '+')) {
        bNegative = strLine[i] == '-';
        ++i;
    }
    long long value = 0;
    const size_t first = i;
    for (; i < n && strLine[i] >= '0' && strLine[i] <= '9'; ++i) {
        value = value * 10 + (strLine[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) {
            return false;
        }
    }
    if (i == first) {
        return false;
    }
    value = bNegative ? -value : value;
    if (value > INT_MAX || value < INT_MIN) {
        return false;
    }
    nValue = static_cast<int>(value);
    return true;
}

wxString JoinLines(const std::vector<wxString>& lines) {
    wxString text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            text << '\n';
        }
        text << lines[i];
    }
    return text;
}

}  // namespace

CPlayerFileWriter::CPlayerFileWriter() {
    m_strText << kPlayerFileHeader << '\n';
}

void CPlayerFileWriter::AddItem(const CPlayerItem& item) {
    m_strText << kNewItem << '\n' << item.strTitle << '\n';
    m_strText << wxString::Format(
        "TYPE: %d TRANSPOSE: %d FOREGROUND: %d FORE2GROUND: %d BACKGROUND: %d PREFER: %s\n",
        item.nType, item.nTranspose, item.nForeground, item.nForeground2, item.nBackground,
        item.bPreferFlats ? "Y" : "N");
    m_strText << kHeading1 << '\n' << item.strHeading1;
    m_strText << '\n' << kHeading2 << '\n' << item.strHeading2;
    m_strText << '\n' << kField1 << '\n' << item.strField1;
    m_strText << '\n' << kField2 << '\n' << item.strField2;
    // The line break before the marker keeps it at the start of a line, so
    // a Field 2 without a final line break cannot hide it.
    m_strText << '\n' << kEndOfItem << '\n';
}

void CPlayerFileWriter::AddNotFound(const wxString& strTitle) {
    m_strText << kNewItem << '\n'
              << strTitle << '\n'
              << kNotFoundText << '\n'
              << kEndOfItem << '\n';
}

std::string CPlayerFileWriter::Finish() {
    m_strText << kEndOfFile << '\n';
    return TextModeBytes(m_strText);
}

std::string TextModeBytes(const wxString& strText) {
    wxString text;
    text.reserve(strText.length() + strText.length() / 16);
    for (wxUniChar ch : strText) {
        if (ch == '\n') {
            text << '\r';
        }
        text << ch;
    }
    return EncodeCp1252OrUtf8(text);
}

CPlayerFile::CPlayerFile(const std::string& bytes)
    : m_strText(DecodeUtf8OrCp1252(bytes.data(), bytes.size())) {}

bool CPlayerFile::HasHeader() const {
    size_t end = m_strText.find('\n');
    if (end == wxString::npos) {
        end = m_strText.length();
    } else if (end > 0 && m_strText[end - 1] == '\r') {
        --end;
    }
    return m_strText.compare(0, end, kPlayerFileHeader) == 0;
}

void CPlayerFile::Rewind() {
    m_nPos = 0;
    wxString strHeader;
    ReadLine(strHeader);
}

bool CPlayerFile::ReadLine(wxString& strLine) {
    if (m_nPos >= m_strText.length()) {
        return false;
    }
    size_t end = m_strText.find('\n', m_nPos);
    size_t next = end + 1;
    if (end == wxString::npos) {
        end = next = m_strText.length();
    } else if (end > m_nPos && m_strText[end - 1] == '\r') {
        --end;  // CR LF is the line end; a CR before it belongs to the line
    }
    strLine = m_strText.substr(m_nPos, end - m_nPos);
    m_nPos = next;
    return true;
}

bool CPlayerFile::ReadTextUntil(const wxString& strMarker, wxString& strText) {
    // The last line break before the marker separates it from the text.
    std::vector<wxString> lines;
    wxString strLine;
    while (ReadLine(strLine)) {
        if (strLine == strMarker) {
            strText = JoinLines(lines);
            return true;
        }
        lines.push_back(strLine);
    }
    return false;
}

bool CPlayerFile::ReadLastField(wxString& strText) {
    std::vector<wxString> lines;
    wxString strLine;
    while (ReadLine(strLine)) {
        if (strLine.StartsWith(kAnyMarker)) {
            strText = JoinLines(lines);
            // Files written without a line break before the marker: a Field 2
            // that ended in CR LF lost its LF to the marker's line.
            if (strText.EndsWith("\r")) {
                strText << '\n';
            }
            return true;
        }
        if (strLine.EndsWith(kEndOfItem)) {
            // Written without a line break before the marker: the text before
            // it is Field 2's last line.
            lines.push_back(strLine.Left(strLine.length() - kEndOfItem.length()));
            strText = JoinLines(lines);
            return true;
        }
        lines.push_back(strLine);
    }
    return false;
}

CPlayerRead CPlayerFile::ReadItem(CPlayerItem& item) {
    item = CPlayerItem();
    wxString strLine;
    if (!ReadLine(strLine)) {
        return CPlayerRead::Unreadable;  // cut short: no end-of-file line
    }
    if (strLine == kEndOfFile) {
        return CPlayerRead::EndOfFile;
    }
    CPlayerItem read;
    if (strLine != kNewItem || !ReadLine(read.strTitle) || !ReadLine(strLine) ||
        !ParsePlayerAttributes(strLine, read) || !ReadLine(strLine) || strLine != kHeading1 ||
        !ReadTextUntil(kHeading2, read.strHeading1) || !ReadTextUntil(kField1, read.strHeading2) ||
        !ReadTextUntil(kField2, read.strField1) || !ReadLastField(read.strField2)) {
        return CPlayerRead::Unreadable;
    }
    item = std::move(read);
    return CPlayerRead::Item;
}

bool ParsePlayerAttributes(const wxString& strLine, CPlayerItem& item) {
    if (!NumberAfter(strLine, "TYPE: ", item.nType) ||
        !NumberAfter(strLine, "TRANSPOSE: ", item.nTranspose) ||
        !NumberAfter(strLine, "FOREGROUND: ", item.nForeground) ||
        !NumberAfter(strLine, "FORE2GROUND: ", item.nForeground2) ||
        !NumberAfter(strLine, "BACKGROUND: ", item.nBackground)) {
        return false;
    }
    const wxString strPrefer = "PREFER: ";
    const size_t at = strLine.find(strPrefer);
    if (at == wxString::npos) {
        return false;
    }
    const size_t flag = at + strPrefer.length();
    item.bPreferFlats = flag < strLine.length() && strLine[flag] == 'Y';
    return true;
}
