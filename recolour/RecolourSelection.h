#pragma once
// The batch recolouring pass run when the user has finished a pick of hole shapes.

// Walks the host's pick and writes each sub-hole's category colour from CategoryColors into its
// hole record, handing every record read back to the host; a1..a3 are the execute callback's
// further arguments, passed to the selection iterator unchanged.
void RecolourSelection(void* a1, void* a2, void* a3);
