#pragma once
// Reading the system's font configuration (its files and every installed font's
// entry) is the largest single part of starting a command that draws. It needs nothing
// else of the program, so it runs on a second thread while the program loads its
// commands module, starts Qt and opens the store. Qt finds it done and reads it no
// more.

// Starts reading it in the background. Once per process; the program's side.
void StartReadingFontConfiguration();

// Waits until it is read (at once when it was never started): before Qt lists fonts.
void AwaitFontConfiguration();
