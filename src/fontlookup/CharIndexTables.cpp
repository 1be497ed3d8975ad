#include "fontlookup/CharIndexTables.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <utility>

namespace {

constexpr unsigned long kLastOfPlane = 0xFFFF;
using Glyph = std::uint16_t;
constexpr long kGlyphsOfTable = 0x10000;

// Bumped whenever a table may be freed (a face or library forgotten, a set of tables
// destroyed), so that no thread answers from a table it remembers after that.
std::atomic<unsigned> gGeneration{0};

// The table a thread used last, so that a run of lookups in one face takes no lock.
// Plain data, so that it is still there for lookups made while the thread ends.
struct RecentTable {
    const CharIndexTables* owner = nullptr;
    unsigned generation = 0;
    FT_Face face = nullptr;
    FT_CharMap charmap = nullptr;
    const Glyph* glyphs = nullptr;
};
thread_local RecentTable gRecent;

struct Entry {
    FT_Library library = nullptr;
    unsigned long serial = 0; // tells this entry from a later one of a face at the same address
    int lookups = 0;
    bool reading = false;
    std::unique_ptr<Glyph[]> glyphs;
};

} // namespace

struct CharIndexTables::State {
    std::mutex mutex;
    std::map<std::pair<FT_Face, FT_CharMap>, Entry> entries;
    unsigned long serials = 0;
};

CharIndexTables::CharIndexTables(FreeTypeCalls calls) : calls_(calls), state_(std::make_unique<State>()) {}

CharIndexTables::~CharIndexTables() { gGeneration.fetch_add(1, std::memory_order_acq_rel); }

unsigned CharIndexTables::CharIndex(FT_Face face, unsigned long code) {
    if (face == nullptr || face->charmap == nullptr || code > kLastOfPlane) return calls_.charIndex(face, code);
    const unsigned generation = gGeneration.load(std::memory_order_acquire);
    if (gRecent.owner == this && gRecent.generation == generation && gRecent.face == face &&
        gRecent.charmap == face->charmap)
        return gRecent.glyphs[code];
    return CharIndexOnceMore(face, code, generation);
}

// The lookups the recent table does not answer, apart so that the run of answered ones
// stays a few instructions each.
unsigned CharIndexTables::CharIndexOnceMore(FT_Face face, unsigned long code, unsigned generation) {
    const FT_CharMap charmap = face->charmap;
    unsigned long serial = 0;
    {
        const std::lock_guard lock(state_->mutex);
        auto [at, added] = state_->entries.try_emplace({face, charmap});
        Entry& entry = at->second;
        if (added) {
            entry.library = face->glyph ? face->glyph->library : nullptr;
            entry.serial = ++state_->serials;
        }
        if (entry.glyphs) {
            gRecent = {this, generation, face, charmap, entry.glyphs.get()};
            return entry.glyphs[code];
        }
        // A glyph number of a table is 16 bits, as a font file's glyph count is.
        if (entry.reading || face->num_glyphs > kGlyphsOfTable || ++entry.lookups != kLookupsBeforeTable)
            return calls_.charIndex(face, code);
        entry.reading = true;
        serial = entry.serial;
    }

    // FreeType's walk of the map, outside the lock: the map's own order, each character
    // with the glyph FT_Get_Char_Index gives it (glyphs past the face's count read as 0).
    auto glyphs = std::make_unique<Glyph[]>(kLastOfPlane + 1);
    FT_UInt glyph = 0;
    for (unsigned long c = calls_.firstChar(face, &glyph); glyph != 0 && c <= kLastOfPlane;
         c = calls_.nextChar(face, c, &glyph))
        glyphs[c] = Glyph(glyph);
    const FT_UInt answer = glyphs[code];

    const std::lock_guard lock(state_->mutex);
    const auto at = state_->entries.find({face, charmap});
    if (at != state_->entries.end() && at->second.serial == serial) {
        at->second.reading = false;
        at->second.glyphs = std::move(glyphs);
    }
    return answer;
}

void CharIndexTables::Forget(FT_Face face) {
    const std::lock_guard lock(state_->mutex);
    gGeneration.fetch_add(1, std::memory_order_acq_rel);
    std::erase_if(state_->entries, [face](const auto& item) { return item.first.first == face; });
}

void CharIndexTables::ForgetLibrary(FT_Library library) {
    const std::lock_guard lock(state_->mutex);
    gGeneration.fetch_add(1, std::memory_order_acq_rel);
    std::erase_if(state_->entries, [library](const auto& item) {
        return item.second.library == library || item.second.library == nullptr;
    });
}
