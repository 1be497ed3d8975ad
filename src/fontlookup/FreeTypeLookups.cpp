// The program's own definitions of FreeType's character lookup and of the calls that end
// a face or a library. The program is the first object the loader searches, so Qt's
// font engines, loaded later with the commands module, call these instead of FreeType's:
// lookups go through the program's tables (CharIndexTables.h), which forget a face's
// tables before FreeType frees it. FreeType's own functions are taken from the library
// by name.
#include "fontlookup/CharIndexTables.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_MODULE_H

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

namespace {

// The FreeType library itself, already loaded by whoever calls into it.
void* FreeTypeLibrary() {
    static void* const library = [] {
        void* loaded = dlopen("libfreetype.so.6", RTLD_LAZY | RTLD_NOLOAD);
        return loaded ? loaded : dlopen("libfreetype.so.6", RTLD_LAZY);
    }();
    return library;
}

// FreeType's own definition of `name`, from the library itself.
template <typename Function>
Function FreeTypeOwn(const char* name) {
    void* const library = FreeTypeLibrary();
    void* const function = library ? dlsym(library, name) : nullptr;
    if (function == nullptr) {
        std::fprintf(stderr, "vellumark: FreeType's %s is missing: %s\n", name, dlerror());
        std::abort();
    }
    return reinterpret_cast<Function>(function);
}

// Never destroyed: Qt ends its faces and libraries when the program's own objects are
// already gone.
CharIndexTables& Tables() {
    static CharIndexTables* const tables = new CharIndexTables({
        FreeTypeOwn<decltype(&FT_Get_Char_Index)>("FT_Get_Char_Index"),
        FreeTypeOwn<decltype(&FT_Get_First_Char)>("FT_Get_First_Char"),
        FreeTypeOwn<decltype(&FT_Get_Next_Char)>("FT_Get_Next_Char"),
    });
    return *tables;
}

} // namespace

extern "C" {

FT_UInt FT_Get_Char_Index(FT_Face face, FT_ULong code) { return Tables().CharIndex(face, code); }

FT_Error FT_Done_Face(FT_Face face) {
    static const auto done = FreeTypeOwn<decltype(&FT_Done_Face)>("FT_Done_Face");
    Tables().Forget(face);
    return done(face);
}

FT_Error FT_Done_Library(FT_Library library) {
    static const auto done = FreeTypeOwn<decltype(&FT_Done_Library)>("FT_Done_Library");
    Tables().ForgetLibrary(library);
    return done(library);
}

FT_Error FT_Done_FreeType(FT_Library library) {
    static const auto done = FreeTypeOwn<decltype(&FT_Done_FreeType)>("FT_Done_FreeType");
    Tables().ForgetLibrary(library);
    return done(library);
}

} // extern "C"
