#include "odbc/FieldExchange.h"

namespace {

template <typename T>
void LoadNumber(void* address, const FieldValue& v) {
    *static_cast<T*>(address) = v.bNull ? T{} : static_cast<T>(v.nValue);
}

template <typename T>
FieldValue StoreNumber(const void* address) {
    FieldValue v;
    v.bNull = false;
    v.nValue = static_cast<long long>(*static_cast<const T*>(address));
    return v;
}

}  // namespace

void CFieldExchange::Exchange(const wxString& name, FieldKind kind, void* address) {
    const size_t n = m_nField++;
    switch (m_nOperation) {
        case Describe:
            m_pInfo->push_back({name, kind, address});
            return;
        case SetDefault:
            switch (kind) {
                case FieldKind::Text:
                    static_cast<wxString*>(address)->clear();
                    break;
                case FieldKind::Long:
                    *static_cast<std::int32_t*>(address) = 0;
                    break;
                case FieldKind::Int:
                    *static_cast<int*>(address) = 0;
                    break;
                case FieldKind::Byte:
                    *static_cast<unsigned char*>(address) = 0;
                    break;
                case FieldKind::Bool:
                    *static_cast<bool*>(address) = false;
                    break;
            }
            return;
        case Load: {
            const FieldValue& v = (*m_pValues)[n];
            switch (kind) {
                case FieldKind::Text:
                    *static_cast<wxString*>(address) = v.bNull ? wxString() : v.strValue;
                    break;
                case FieldKind::Long:
                    LoadNumber<std::int32_t>(address, v);
                    break;
                case FieldKind::Int:
                    LoadNumber<int>(address, v);
                    break;
                case FieldKind::Byte:
                    LoadNumber<unsigned char>(address, v);
                    break;
                case FieldKind::Bool:
                    *static_cast<bool*>(address) = !v.bNull && v.nValue != 0;
                    break;
            }
            return;
        }
        case Store: {
            FieldValue v;
            switch (kind) {
                case FieldKind::Text:
                    v.bNull = false;
                    v.strValue = *static_cast<const wxString*>(address);
                    break;
                case FieldKind::Long:
                    v = StoreNumber<std::int32_t>(address);
                    break;
                case FieldKind::Int:
                    v = StoreNumber<int>(address);
                    break;
                case FieldKind::Byte:
                    v = StoreNumber<unsigned char>(address);
                    break;
                case FieldKind::Bool:
                    v.bNull = false;
                    v.nValue = *static_cast<const bool*>(address) ? 1 : 0;
                    break;
            }
            m_pValues->push_back(std::move(v));
            return;
        }
    }
}

void RFX_Text(CFieldExchange* pFX, const wxString& name, wxString& value, int /*nMaxLength*/) {
    pFX->Exchange(name, FieldKind::Text, &value);
}
void RFX_Long(CFieldExchange* pFX, const wxString& name, std::int32_t& value) {
    pFX->Exchange(name, FieldKind::Long, &value);
}
void RFX_Int(CFieldExchange* pFX, const wxString& name, int& value) {
    pFX->Exchange(name, FieldKind::Int, &value);
}
void RFX_Byte(CFieldExchange* pFX, const wxString& name, unsigned char& value) {
    pFX->Exchange(name, FieldKind::Byte, &value);
}
void RFX_Bool(CFieldExchange* pFX, const wxString& name, bool& value) {
    pFX->Exchange(name, FieldKind::Bool, &value);
}
