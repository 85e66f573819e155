// Benchmarks that give each figure per store. One process works on one store,
// the one VERSILUX_TEST_STORE names as for the tests (SQLite unless it says
// postgresql): the ODBC driver manager keeps the data source entries it read
// first, so a second temporary odbc.ini in the same process would not be
// seen. bench/both-stores runs a benchmark once per store and puts the
// figures side by side.
#pragma once

#include "support/TempDataSource.h"

struct BenchStore {
    const char* szName;  // the last part of the benchmark's name
    bool bPostgreSQL;
};

// The store this process benchmarks.
inline BenchStore ThisBenchStore() {
    if (TempDataSource::OnPostgreSQL()) {
        return {"PostgreSQL", true};
    }
    return {"SQLite", false};
}
