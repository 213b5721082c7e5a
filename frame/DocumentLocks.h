// Release of the document locks the program still holds.
#pragma once

// Unlocks every document lock the program took and has not given back yet.
void ReleaseHeldDocumentLocks();
