#pragma once
// The printers module (vellumark-printers.so): Qt's printers, with the print support and
// widget libraries they load, for a command that prints to a queue (print/PrintSystem.h).
// Its code comes from the commands module loaded before it. This is its entry point,
// looked up by name.
class PrintSystem;

extern "C" {
// The print system on Qt's printers; it lives until the program ends.
using PrintSystemEntry = const PrintSystem* (*)();
}

inline constexpr char kPrintSystemEntry[] = "VellumarkPrintSystem";
