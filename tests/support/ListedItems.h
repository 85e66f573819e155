// The shared item query on one item, as the item editor leaves it when the
// operator has chosen the item from the list of all kinds.
#pragma once

class CVersiluxDoc;

// False when the item is not listed for the document's VPD.
bool LoadListedItem(CVersiluxDoc& doc, long nID);
