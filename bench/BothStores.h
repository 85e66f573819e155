// Benchmarks that give each figure on SQLite and, when VERSILUX_TEST_PG names
// a PostgreSQL server (scripts/with-postgresql sets it), on that server too,
// registered side by side so the two figures print one under the other.
#pragma once

#include <wx/utils.h>

#include <memory>
#include <vector>

#include "support/TempDataSource.h"

struct BenchStore {
    const char* szName;
    bool bPostgreSQL;
};

// SQLite always; PostgreSQL when a server is named.
inline std::vector<BenchStore> BenchStores() {
    std::vector<BenchStore> stores{{"SQLite", false}};
    wxString server;
    if (wxGetEnv("VERSILUX_TEST_PG", &server) && !server.empty()) {
        stores.push_back({"PostgreSQL", true});
    }
    return stores;
}

// A fixture (TempDataSource, SmallLibrary) made on the store: the data source
// follows VERSILUX_TEST_STORE while it is made.
template <class Fixture, class... Args>
std::unique_ptr<Fixture> MakeOnStore(const BenchStore& store, Args&&... args) {
    wxString saved;
    const bool bHadStore = wxGetEnv("VERSILUX_TEST_STORE", &saved);
    wxSetEnv("VERSILUX_TEST_STORE", store.bPostgreSQL ? "postgresql" : "sqlite");
    auto fixture = std::make_unique<Fixture>(std::forward<Args>(args)...);
    if (bHadStore) {
        wxSetEnv("VERSILUX_TEST_STORE", saved);
    } else {
        wxUnsetEnv("VERSILUX_TEST_STORE");
    }
    return fixture;
}
