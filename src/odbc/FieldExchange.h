// Field exchange: a record set's DoFieldExchange names its columns in binding
// order through the RFX_ helpers, and the record set uses that one list to
// build its SELECT, load rows into the members and write them back.
#pragma once

#include <wx/string.h>
#include <cstdint>
#include <string>
#include <vector>

enum class FieldKind { Text, Long, Int, Byte, Bool };

// One column value as the store holds it: null, a number or a text.
struct FieldValue {
    bool bNull = true;
    long long nValue = 0;
    wxString strValue;
    // The bytes of a text that was not UTF-8 as read from the store; empty
    // otherwise.
    std::string strBytes;
    bool operator==(const FieldValue&) const = default;
};

struct FieldInfo {
    wxString strName;  // as written in SQL, e.g. "[Item ID]"
    FieldKind kind = FieldKind::Int;
    void* pAddress = nullptr;
};

class CFieldExchange {
  public:
    enum Operation {
        Describe,    // collect the column names, kinds and member addresses
        Load,        // member = value
        Store,       // value = member
        SetDefault,  // member = 0 or empty
    };
    enum FieldType { outputColumn };

    CFieldExchange(Operation op, std::vector<FieldValue>* pValues, std::vector<FieldInfo>* pInfo)
        : m_nOperation(op), m_pValues(pValues), m_pInfo(pInfo) {}

    void SetFieldType(FieldType) {}  // every column here is an output column
    void Exchange(const wxString& name, FieldKind kind, void* address);

    Operation m_nOperation;

  private:
    std::vector<FieldValue>* m_pValues;
    std::vector<FieldInfo>* m_pInfo;
    size_t m_nField = 0;
};

void RFX_Text(CFieldExchange* pFX, const wxString& name, wxString& value, int nMaxLength = 255);
void RFX_Long(CFieldExchange* pFX, const wxString& name, std::int32_t& value);
void RFX_Int(CFieldExchange* pFX, const wxString& name, int& value);
void RFX_Byte(CFieldExchange* pFX, const wxString& name, unsigned char& value);
void RFX_Bool(CFieldExchange* pFX, const wxString& name, bool& value);
