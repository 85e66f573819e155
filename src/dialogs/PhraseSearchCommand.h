// Tools > Search: asks for the phrase and the search's switches, rebuilds the
// search table when asked (showing how far it is), and has the document list
// what it finds.
#pragma once

class CVersiluxDoc;
class wxWindow;

void RunPhraseSearchCommand(CVersiluxDoc& doc, wxWindow* pParent);
