// A filtered, sorted, scrollable and (for dynasets on a table) updatable
// result over one connection. Derived classes name the table and bind the
// columns in DoFieldExchange; the rest is here.
#pragma once

#include <wx/string.h>
#include <memory>
#include <vector>

#include "odbc/FieldExchange.h"

class CDatabase;

class CRecordset {
  public:
    enum OpenType { useDefault = -1, dynaset = 0, snapshot = 1 };

    explicit CRecordset(CDatabase* pDatabase);
    virtual ~CRecordset();
    CRecordset(const CRecordset&) = delete;
    CRecordset& operator=(const CRecordset&) = delete;

    virtual wxString GetDefaultConnect() = 0;
    // A table name ("[items]") or a whole SELECT statement.
    virtual wxString GetDefaultSQL() = 0;
    virtual void DoFieldExchange(CFieldExchange* pFX) = 0;

    // Runs the query; the set then stands on its first row, or IsEOF().
    // When the query fails the set is closed and the exception passes on.
    virtual bool Open(int nOpenType = useDefault);
    // Runs the query again with the current filter and sort. When it fails
    // the set stays open but empty (IsEOF), and the exception passes on.
    virtual bool Requery();
    void Close() noexcept;
    bool IsOpen() const { return m_bOpen; }

    bool IsBOF() const;
    bool IsEOF() const;
    bool IsDeleted() const;
    void MoveFirst();
    void MoveNext();
    void MovePrev();
    void MoveLast();
    // 1-based row number; a negative number counts from the end.
    void SetAbsolutePosition(long nRows);
    // Rows seen so far (all of them once the set was walked to its end).
    long GetRecordCount() const;
    bool IsFieldNull(const void* pField) const;

    bool CanUpdate() const;
    // Members take the store's column defaults where the store names a plain
    // value, else 0 or empty. Update writes every such column, so a value
    // assigned after AddNew, 0 included, always reaches the store.
    void AddNew();
    void Edit();
    // Writes the new or edited row; returns false when an edit changed
    // nothing. An edit writes only the columns whose value changed. When
    // the write fails (it throws) the edit stays pending: CancelUpdate puts
    // the members back as they were read.
    bool Update();
    void CancelUpdate();
    void Delete();

    // The statement of the last Open or Requery, for error texts and tests.
    const wxString& GetSQL() const { return m_strSQL; }

    wxString m_strFilter;
    wxString m_strSort;
    CDatabase* m_pDatabase;
    // The column the store assigns on insert ("[ID]") and by which edits and
    // deletes find their row; empty when the table has none: then all
    // columns are written on insert like any other, and edits and deletes
    // find the row by the values of its columns as read (config's one row).
    wxString m_strKeyColumn;
    int m_nFields = 0;
    OpenType m_nDefaultType = dynaset;

  private:
    struct Row {
        std::vector<FieldValue> values;
        bool bDeleted = false;
    };
    enum class EditMode { none, addNew, edit };

    void Describe();
    wxString BuildSQL();
    void Execute();
    bool FetchRow();  // appends one more row to m_rows; false at the end
    void LoadCurrent();
    std::vector<FieldValue> StoreMembers();
    void SetMembersToDefault();
    std::vector<FieldValue> StoreDefaults();
    wxString CurrentRowCondition(std::vector<FieldValue>& params, std::vector<FieldKind>& kinds);
    // Returns the number of rows the statement changed, -1 when unknown.
    long long ExecuteWrite(const wxString& sql, const std::vector<FieldValue>& params,
                           const std::vector<FieldKind>& kinds);
    long long ExecuteWriteOnce(const wxString& sql, const std::vector<FieldValue>& params,
                               const std::vector<FieldKind>& kinds);
    wxString TableName();
    int KeyField() const;
    void RequireOpen(const char* what) const;
    void RequireCurrent(const char* what) const;

    // The statement's connection is no longer the database's: the driver
    // manager freed the statement with it.
    bool StatementIsStale() const;
    void DropStatement() noexcept;

    struct Statement;
    std::unique_ptr<Statement> m_pStmt;
    std::vector<FieldInfo> m_fields;
    std::vector<Row> m_rows;
    long m_nCurrent = -1;  // index into m_rows; -1 before the first row
    bool m_bAllFetched = false;
    bool m_bEOF = true;
    bool m_bBOF = true;
    bool m_bOpen = false;
    OpenType m_nOpenType = dynaset;
    wxString m_strSQL;
    EditMode m_editMode = EditMode::none;
    std::vector<FieldValue> m_editSnapshot;
    // Per column: the store names a plain default, read once per Open.
    std::vector<bool> m_knownDefault;
    std::vector<FieldValue> m_defaults;
    bool m_bDefaultsRead = false;
};

// Runs the set's query with its current filter and sort: Requery when the
// set is open, else Open.
void RequeryOrOpen(CRecordset& set);

// Runs a write (AddNew or Edit, then Update) on the set; a failure leaves no
// edit pending, so the members read as the row was.
template <typename Write>
auto Writing(CRecordset& set, Write write) {
    try {
        return write();
    } catch (...) {
        set.CancelUpdate();
        throw;
    }
}
