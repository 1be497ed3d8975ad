// The tables in front of FreeType's character lookup answer exactly as FreeType does, for
// every installed font, face and character map, follow a change of map, and forget a
// face or a library before FreeType frees it.
#include "fontlookup/CharIndexTables.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <QDirIterator>
#include <gtest/gtest.h>

namespace {

// FreeType's lookups as the tables see them, counted.
int gFreeTypeLookups = 0;
FT_UInt CountedCharIndex(FT_Face face, FT_ULong code) {
    ++gFreeTypeLookups;
    return FT_Get_Char_Index(face, code);
}
const CharIndexTables::FreeTypeCalls kCalls{CountedCharIndex, FT_Get_First_Char, FT_Get_Next_Char};

constexpr FT_ULong kPlane = 0x10000;

QStringList InstalledFontFiles() {
    QStringList files;
    for (QDirIterator it(QStringLiteral("/usr/share/fonts"), QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();)
        files << it.next();
    files.sort();
    return files;
}

// Where the tables' answers for the face's current map differ from FreeType's, asking
// every character of the plane and a few beyond it; "" when none.
std::string Differences(CharIndexTables& tables, FT_Face face) {
    std::string differences;
    for (FT_ULong code = 0; code < kPlane + 0x30000; code += code < kPlane ? 1 : 0x1001)
        if (tables.CharIndex(face, code) != FT_Get_Char_Index(face, code) && differences.size() < 200)
            differences += std::to_string(code) + ' ';
    return differences;
}

class CharIndexTablesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(FT_Init_FreeType(&library_), 0); }
    void TearDown() override { FT_Done_FreeType(library_); }

    FT_Face Open(const QString& file, long index = 0) {
        FT_Face face = nullptr;
        return FT_New_Face(library_, file.toLocal8Bit().constData(), index, &face) == 0 ? face : nullptr;
    }

    FT_Library library_ = nullptr;
};

TEST_F(CharIndexTablesTest, EveryInstalledFaceAndMapIsAnsweredAsFreeTypeDoesAndMostlyFromTheTable) {
    CharIndexTables tables(kCalls);
    int maps = 0;
    for (const QString& file : InstalledFontFiles()) {
        for (long index = 0;; ++index) {
            FT_Face face = Open(file, index);
            if (face == nullptr) break;
            const long faces = face->num_faces;
            for (int map = 0; map < face->num_charmaps; ++map) {
                if (FT_Set_Charmap(face, face->charmaps[map]) != 0) continue; // variation sequences
                ++maps;
                gFreeTypeLookups = 0;
                EXPECT_EQ(Differences(tables, face), "") << file.toStdString() << " face " << index << " map " << map;
                // Past the plane every code goes to FreeType; within it only those before the table.
                EXPECT_LE(gFreeTypeLookups, CharIndexTables::kLookupsBeforeTable + 48) << file.toStdString();
            }
            tables.Forget(face);
            FT_Done_Face(face);
            if (index + 1 >= faces) break;
        }
    }
    EXPECT_GT(maps, 10) << "the machine's fonts are installed (fonts-noto-cjk at least)";
}

TEST_F(CharIndexTablesTest, AFaceForgottenOrOfAForgottenLibraryIsAskedOfFreeTypeAgain) {
    const QString file = QStringLiteral("/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc");
    CharIndexTables tables(kCalls);
    FT_Face face = Open(file);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(Differences(tables, face), "");

    gFreeTypeLookups = 0;
    EXPECT_EQ(tables.CharIndex(face, U'张'), FT_Get_Char_Index(face, U'张'));
    EXPECT_EQ(gFreeTypeLookups, 0) << "answered from the table";

    tables.Forget(face);
    EXPECT_EQ(tables.CharIndex(face, U'张'), FT_Get_Char_Index(face, U'张'));
    EXPECT_EQ(gFreeTypeLookups, 1) << "a forgotten face starts again";

    // A face of another library, forgotten with its library, and this library's kept.
    FT_Library other = nullptr;
    ASSERT_EQ(FT_Init_FreeType(&other), 0);
    FT_Face otherFace = nullptr;
    ASSERT_EQ(FT_New_Face(other, file.toLocal8Bit().constData(), 0, &otherFace), 0);
    EXPECT_EQ(Differences(tables, face), "");
    EXPECT_EQ(Differences(tables, otherFace), "");
    tables.ForgetLibrary(other);
    gFreeTypeLookups = 0;
    tables.CharIndex(face, U'三');
    EXPECT_EQ(gFreeTypeLookups, 0) << "the other library's faces alone are forgotten";
    tables.CharIndex(otherFace, U'三');
    EXPECT_EQ(gFreeTypeLookups, 1);
    FT_Done_FreeType(other);
    FT_Done_Face(face);
}

TEST_F(CharIndexTablesTest, AnotherMapOfTheSameFaceIsAnsweredByThatMap) {
    CharIndexTables tables(kCalls);
    FT_Face face = Open(QStringLiteral("/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc"));
    ASSERT_NE(face, nullptr);
    const FT_UInt unicodeGlyph = FT_Get_Char_Index(face, U'张');
    EXPECT_EQ(Differences(tables, face), ""); // the table of the Unicode map
    int other = 0;
    while (other < face->num_charmaps &&
           (FT_Set_Charmap(face, face->charmaps[other]), FT_Get_Char_Index(face, U'张') == unicodeGlyph))
        ++other;
    ASSERT_LT(other, face->num_charmaps) << "the font has a map that reads 张 otherwise";
    EXPECT_EQ(Differences(tables, face), "");
    FT_Done_Face(face);
}

} // namespace
