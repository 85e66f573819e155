// A small library written row by row, for tests that need exact contents:
// the tables, three colours, three VPDs and the config row.
#pragma once

#include <wx/string.h>
#include <vector>

#include "support/TempDataSource.h"

class SmallLibrary {
  public:
    // vpdDefault: the config row's VPD_Default.
    explicit SmallLibrary(int vpdDefault = 1);

    TempDataSource& Source() { return m_source; }

    // Adds an item in VPD 1 (white on black, yellow second colour); returns its ID.
    long AddItem(const wxString& title, int type, const wxString& field1 = "words",
                 int transpose = 0, bool preferFlats = false);
    // Adds an item of the subtype (1 song, 3 chord chart) in the VPD; returns its ID.
    long AddItemIn(int vpd, int subtype, const wxString& title, const wxString& field1);
    // Adds a schedule in VPD 1 with its rows; transposes[i] for item i (999 = item's own).
    long AddSchedule(const wxString& name, const std::vector<long>& items,
                     const std::vector<int>& transposes = {});
    // Adds a schedule in the VPD with its rows in this order.
    long AddScheduleIn(int vpd, const wxString& name, const std::vector<long>& items);
    void Exec(const wxString& sql) { m_source.Exec(sql); }
    // After rows were inserted with their IDs given: the next assigned IDs follow them.
    void FollowGivenIds();
    // From now on every update of the table's rows is counted, so a test
    // sees "nothing written": Writes() says how many there were.
    void CountWrites(const wxString& table);
    // Counts in the table strCounter (column n) each update of a row of
    // strTable, or only of those that name one of strColumns.
    void CountUpdates(const wxString& strCounter, const wxString& strTable,
                      const wxString& strColumns = "");
    // Makes the store refuse each strOperation ("INSERT", "UPDATE") on
    // strTable, or only of rows for which strCondition on NEW holds, until
    // StopRefusing: how a test makes a write fail part way.
    void Refuse(const wxString& strOperation, const wxString& strTable,
                const wxString& strCondition = "");
    void StopRefusing(const wxString& strTable);
    long Writes() { return m_source.QueryNumber("SELECT n FROM writes"); }

  private:
    TempDataSource m_source{TempDataSource::Content::Schema};
};
