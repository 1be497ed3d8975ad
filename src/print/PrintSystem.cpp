#include "print/PrintSystem.h"

namespace {

const PrintSystem*& Loaded() {
    static const PrintSystem* system = nullptr;
    return system;
}

const PrintSystem* (*&Loader())() {
    static const PrintSystem* (*load)() = nullptr;
    return load;
}

} // namespace

const PrintSystem* LoadedPrintSystem() { return Loaded(); }

void RegisterPrintSystem(const PrintSystem* system) { Loaded() = system; }

void SetPrintSystemLoader(const PrintSystem* (*load)()) { Loader() = load; }

const PrintSystem* RequirePrintSystem() {
    if (!Loaded() && Loader()) Loaded() = Loader()();
    return Loaded();
}

QString PrintQueueOf(const QPagedPaintDevice& device) {
    return Loaded() ? Loaded()->QueueOf(device) : QString();
}
