#pragma once
// Qt's PDF writer compresses every finished page through two new 10 MB buffers. With
// glibc's default tuning, blocks that large are mapped and unmapped (or the heap is
// trimmed) page after page, and faulting the memory in again costs more than drawing
// the page. Raising the thresholds above that size keeps the memory for the next page
// (the process then holds up to 64 MB it has freed, instead of returning it). Set once;
// a no-op off glibc.
void KeepPageBuffersForReuse();
