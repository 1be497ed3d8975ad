#pragma once
// How a store's shared index (DATA.db-shm) and log (DATA.db-wal) are emptied. The
// first session to open a store empties its index, and the last one to close empties
// its log once it is carried into the store; both used to be cut to nothing. On ext4
// a cut frees the file's blocks through the file system's journal, and the next
// session allocates them again: about 0.3 ms for the index and 0.15 ms for the log,
// on every command. Instead:
// - the index is overwritten with zeros, which is what the cut file reads as once it
//   has grown again;
// - the log's header is overwritten with zeros. A log without a header holds nothing
//   for any session; the next one starts it again under new salts, so the frames left
//   after the header are never read as its own.
// Any other file is cut as before, and so is an index or log of more than 1 MiB, so
// that a big session (a batch, a compaction) gives its space back to the disk. Installed once, before the first store file opens
// (every opening calls this).
void EmptyIndexAndLogInPlace();
