// The printers module's entry (PrintersModule.h).
#include "app/PrintersModule.h"

#include "print/PrinterSystem.h"

#include <type_traits>

extern "C" __attribute__((visibility("default"))) const PrintSystem* VellumarkPrintSystem() {
    return &QtPrintSystem();
}

// The entry must keep the type the program calls it by.
static_assert(std::is_same_v<decltype(&VellumarkPrintSystem), PrintSystemEntry>);
