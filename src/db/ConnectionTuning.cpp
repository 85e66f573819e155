#include "db/ConnectionTuning.h"

#include "db/StoreKind.h"
#include "odbc/DBException.h"
#include "odbc/Database.h"

void TuneConnection(CDatabase& db) {
    if (!IsSQLite(db.GetDBMSName())) {
        return;
    }
    try {
        // 64 MB of cache, and up to 1 GB of the file mapped rather than copied.
        db.ExecuteSQL("PRAGMA cache_size=-65536");
        db.ExecuteSQL("PRAGMA mmap_size=1073741824");
    } catch (const CDBException&) {
        // Only speed is lost; every query still works without them.
    }
}
