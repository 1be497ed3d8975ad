#pragma once
// Large short-lived blocks come back on every page and every arrow press: Qt's PDF writer
// compresses each page through two new 10 MB buffers, and one step over a thousand boxes
// copies records in lists of a few hundred KB. With glibc's default tuning, blocks that
// large are mapped and unmapped (or the heap is trimmed) each time, and faulting the memory
// in again, and the TLB flushes of unmapping it, cost more than the work itself. Raising
// the thresholds above those sizes keeps the memory for the next use (the process then
// holds up to 64 MB it has freed, instead of returning it). Called once at start (and by a
// print job); a no-op off glibc.
void KeepLargeBlocksForReuse();
