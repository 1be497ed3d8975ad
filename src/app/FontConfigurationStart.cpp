#include "app/FontConfigurationStart.h"

#include <dlfcn.h>

#include <thread>

namespace {

// The library Qt reads the configuration with, by the name Qt's own link gives it, so
// Qt later finds this one loaded rather than a second copy. Commands on the store
// alone never load it.
constexpr char kFontConfigLibrary[] = "libfontconfig.so.1";

// Joins on destruction, so a process that returns without waiting (a usage error)
// never tears libraries down under the reader.
struct Reader {
    std::thread thread;
    ~Reader() { AwaitFontConfiguration(); }
};

Reader& TheReader() {
    static Reader reader;
    return reader;
}

} // namespace

void StartReadingFontConfiguration() {
    Reader& reader = TheReader();
    if (reader.thread.joinable()) return;
    // Loaded here rather than on the thread: libraries load one at a time, so the
    // commands module's load would wait for it there. Never unloaded (Qt uses it);
    // without it Qt reads the configuration itself, as it always did.
    void* library = dlopen(kFontConfigLibrary, RTLD_NOW | RTLD_LOCAL);
    const auto init = library ? reinterpret_cast<int (*)()>(dlsym(library, "FcInit")) : nullptr;
    if (init) reader.thread = std::thread(init);
}

void AwaitFontConfiguration() {
    Reader& reader = TheReader();
    if (reader.thread.joinable()) reader.thread.join();
}
