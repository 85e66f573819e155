#include "support/ListedItems.h"

#include "doc/ItemKinds.h"
#include "doc/VersiluxDoc.h"

bool LoadListedItem(CVersiluxDoc& doc, long nID) {
    const std::vector<CListedItem> listed = doc.ListItems(kKindAll);
    for (size_t i = 0; i < listed.size(); ++i) {
        if (listed[i].nID == nID) {
            return doc.MoveToListedItem(static_cast<int>(i), listed[i].nID);
        }
    }
    return false;
}
