// A format open on two seats of a server store: the second save asks before it
// overwrites the first seat's change, and No reads the other seat's format back.
#include "StoreFixture.h"

#include "common/ScriptedAsker.h"
#include "common/TestServer.h"
#include "core/Progress.h"
#include "store/FormatHold.h"
#include "store/FormatOperations.h"
#include "store/FormatStore.h"
#include "store/StoreOpening.h"
#include "store/StoreTexts.h"

namespace {

class SharedFormatEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        server = StartedTestServer();
        if (!server) GTEST_SKIP() << "no PostgreSQL server could be started";
        const QString store = server->FreshStore();
        for (Seat* seat : {&first, &second}) {
            seat->db = OpenServerStore(store).db;
            ASSERT_TRUE(seat->db);
            seat->formats = std::make_unique<FormatStore>(*seat->db);
        }
        Format format = GeneratedFormat(QStringLiteral("运单"), 3, QStringLiteral("框"));
        ASSERT_TRUE(first.formats->SaveFormat(format, {}, kScreenWidth, quiet));
    }
    // One seat's connection and its format store, which remembers what it read.
    struct Seat {
        std::unique_ptr<Database> db;
        std::unique_ptr<FormatStore> formats;
    };
    Format Load(Seat& seat) {
        return seat.formats->LoadFormat(QStringLiteral("运单"), kScreenWidth).value_or(Format());
    }
    SaveOutcome Save(Seat& seat, Format& format, ScriptedAsker& asker) {
        return SaveOpenFormat(*seat.formats, asker, format, kScreenWidth, quiet);
    }

    TempDataFolder folder;
    TestServer* server = nullptr;
    Seat first, second;
    SilentProgress quiet;
};

TEST_F(SharedFormatEditTest, SavingOverAnotherSeatsChangeAsksAndNoKeepsTheirs) {
    Format mine = Load(first), theirs = Load(second);
    theirs.boxes[0].x = 11;
    ScriptedAsker nobodyAsked;
    ASSERT_EQ(Save(second, theirs, nobodyAsked), SaveOutcome::Saved);
    EXPECT_TRUE(nobodyAsked.questions.isEmpty());

    mine.boxes[0].x = 22;
    ScriptedAsker asker;
    asker.No();
    EXPECT_EQ(Save(first, mine, asker), SaveOutcome::Reload);
    EXPECT_EQ(asker.questions, QStringList{StoreTexts::FormatChangedElsewhere("运单")});
    EXPECT_EQ(Load(first).boxes[0].x, 11);

    // Read back, the format saves without a question.
    Format reloaded = Load(first);
    reloaded.boxes[1].y = 33;
    ScriptedAsker quietAgain;
    ASSERT_EQ(Save(first, reloaded, quietAgain), SaveOutcome::Saved);
    EXPECT_TRUE(quietAgain.questions.isEmpty());
    EXPECT_EQ(Load(second).boxes[1].y, 33);
}

TEST_F(SharedFormatEditTest, YesOverwritesAndTheOtherSeatIsAskedInTurn) {
    Format mine = Load(first), theirs = Load(second);
    theirs.boxes[0].x = 11;
    ScriptedAsker none;
    ASSERT_EQ(Save(second, theirs, none), SaveOutcome::Saved);

    mine.boxes[0].x = 22;
    ScriptedAsker yes;
    yes.Yes();
    ASSERT_EQ(Save(first, mine, yes), SaveOutcome::Saved);
    EXPECT_EQ(Load(second).boxes[0].x, 22);
    // The saved copy carries the new version: saving it again asks nothing.
    ScriptedAsker again;
    EXPECT_EQ(Save(first, mine, again), SaveOutcome::Saved);
    EXPECT_TRUE(again.questions.isEmpty());

    theirs.boxes[0].x = 44;
    ScriptedAsker no;
    no.No();
    EXPECT_EQ(Save(second, theirs, no), SaveOutcome::Reload);
    EXPECT_EQ(Load(second).boxes[0].x, 22);
}

TEST_F(SharedFormatEditTest, AFormatNotReadFromTheStoreIsStoredWithoutTheCheck) {
    // An imported or newly made format of an existing name: the caller asked already.
    Format imported = GeneratedFormat(QStringLiteral("运单"), 2, QStringLiteral("新"));
    Format mine = Load(first);
    ASSERT_TRUE(FormatStore(*second.db).SaveFormat(imported, {}, kScreenWidth, quiet));
    EXPECT_TRUE(first.formats->SaveAs(mine, QStringLiteral("运单二"), kScreenWidth, quiet));
    EXPECT_EQ(Load(first).boxes.size(), 2);
    EXPECT_EQ(first.formats->StoredVersion(QStringLiteral("运单")), 2);
    // A store that read the name is still checked when it saves it.
    ScriptedAsker no;
    no.No();
    EXPECT_EQ(Save(second, mine, no), SaveOutcome::Saved);
    EXPECT_EQ(Save(first, mine, no), SaveOutcome::Reload);
}

// A job holds its format against every seat, its own included; a job waits for a
// change under way no longer than the store's busy wait.
TEST_F(SharedFormatEditTest, AJobOnOneSeatHoldsTheFormatAgainstEverySeat) {
    const QString name = QStringLiteral("运单");
    Format format = Load(second);
    {
        const FormatHold job(*first.db, name, FormatHold::Purpose::Print);
        ASSERT_TRUE(job.Held());
        EXPECT_FALSE(second.formats->SaveFormat(format, {}, kScreenWidth, quiet));
        EXPECT_TRUE(second.formats->RefusedWhilePrinting());
        EXPECT_FALSE(FormatHold(*first.db, name, FormatHold::Purpose::Change).Held());
        // Jobs share the format.
        EXPECT_TRUE(FormatHold(*second.db, name, FormatHold::Purpose::Print).Held());
    }
    const BusyWait saved = Database::CurrentBusyWait();
    Database::SetBusyWait({200, {}});
    {
        const FormatHold change(*second.db, name, FormatHold::Purpose::Change);
        ASSERT_TRUE(change.Held());
        EXPECT_FALSE(FormatHold(*first.db, name, FormatHold::Purpose::Print).Held());
    }
    Database::SetBusyWait(saved);
    EXPECT_TRUE(FormatHold(*first.db, name, FormatHold::Purpose::Print).Held());
    EXPECT_TRUE(second.formats->SaveFormat(format, {}, kScreenWidth, quiet));
}

} // namespace
