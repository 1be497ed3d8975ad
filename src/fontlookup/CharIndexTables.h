#pragma once

#include <memory>

struct FT_FaceRec_;
struct FT_LibraryRec_;

// FreeType's lookups of a character's glyph, answered from a table of the whole basic
// plane once a face has been asked about many characters with one character map.
// A PDF page asks about every character of the plane for each font it embeds (to name
// the glyphs in the text layer): 65 536 searches of a CJK font's character map, about
// 2 ms, where reading the map once into a table takes a quarter of that. The table is
// read with FreeType's own walk of the map, so it answers exactly as FreeType would.
class CharIndexTables {
public:
    // FreeType's own functions, which the tables stand in front of.
    struct FreeTypeCalls {
        unsigned (*charIndex)(FT_FaceRec_* face, unsigned long code);
        unsigned long (*firstChar)(FT_FaceRec_* face, unsigned* glyph);
        unsigned long (*nextChar)(FT_FaceRec_* face, unsigned long code, unsigned* glyph);
    };
    // Lookups of one face and map before its table is read: drawing a page's text asks
    // about tens of characters, naming its glyphs about all of them.
    static constexpr int kLookupsBeforeTable = 1024;

    explicit CharIndexTables(FreeTypeCalls calls);
    ~CharIndexTables();
    CharIndexTables(const CharIndexTables&) = delete;
    CharIndexTables& operator=(const CharIndexTables&) = delete;

    // The glyph of `code` in the face's current character map, as FT_Get_Char_Index.
    unsigned CharIndex(FT_FaceRec_* face, unsigned long code);
    // Before a face is done with: a later face may be made at its address.
    void Forget(FT_FaceRec_* face);
    // Before a FreeType library is done with, and every face it made with it.
    void ForgetLibrary(FT_LibraryRec_* library);

private:
    struct State;
    [[gnu::noinline]] unsigned CharIndexOnceMore(FT_FaceRec_* face, unsigned long code, unsigned generation);
    FreeTypeCalls calls_;
    std::unique_ptr<State> state_;
};
