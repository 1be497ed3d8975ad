#pragma once
// Starts the cipher library the store files are encrypted with, set for a program that
// runs many short processes: once, before anything else uses it.
void StartCryptoLibrary();
