// Several programs printing into one server store at once: every bill gets its own
// number, counted per format across all of them, and a program killed mid-bill leaves
// no part of that bill behind.
#include "RecordsFixture.h"
#include "common/TestServer.h"
#include "records/History.h"
#include "store/StoreOpening.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Chooses a fresh server store before the records fixture opens its connection.
struct FreshServerStore {
    FreshServerStore() : server(StartedTestServer()), scope(server ? server->FreshStore() : QString()) {}
    TestServer* server;
    ServerStoreScope scope;
};

class SharedNumberingTest : public FreshServerStore, public RecordsTest {
protected:
    void SetUp() override {
        if (!server) GTEST_SKIP() << "no PostgreSQL server could be started";
        RecordsTest::SetUp();
        format = StoreFormat("运单", {{BoxKind::Text, "收件人"}, {BoxKind::Text, "单号"}});
    }
    // In a child process: its own connection, then `bills` bills (forever when 0).
    [[noreturn]] void PrintBills(int seat, int bills) {
        StoreOpening opening = OpenStore();
        if (!opening.db) _exit(1);
        for (int i = 0; bills == 0 || i < bills; ++i) {
            const Bill bill = BillOf(format, {{"收件人", QStringLiteral("座%1").arg(seat)},
                                              {"单号", QString::number(i)}});
            if (SaveHistory(*opening.db, format, bill).outcome != SavedBill::Outcome::Added) _exit(2);
        }
        _exit(0);
    }
    pid_t StartPrinting(int seat, int bills) {
        const pid_t child = fork();
        if (child == 0) PrintBills(seat, bills);
        return child;
    }
    // Every stored bill has both its rows, and the numbers run from 1 without a gap.
    void ExpectWholeBillsNumberedOneToN(qint64 bills) {
        EXPECT_EQ(Count("SELECT count(DISTINCT ID) FROM 历史 WHERE Fmt=?", {format.name}), bills);
        EXPECT_EQ(Count("SELECT min(ID) FROM 历史 WHERE Fmt=?", {format.name}), 1);
        EXPECT_EQ(Count("SELECT max(ID) FROM 历史 WHERE Fmt=?", {format.name}), bills);
        EXPECT_EQ(Count("SELECT count(*) FROM 历史 WHERE Fmt=?", {format.name}), 2 * bills);
    }

    Format format;
};

TEST_F(SharedNumberingTest, EightProgramsPrintingAtOnceNumberEveryBillOnce) {
    constexpr int kPrograms = 8;
    constexpr int kBillsEach = 100;
    QList<pid_t> children;
    for (int program = 0; program < kPrograms; ++program)
        children << StartPrinting(program % 2, kBillsEach);
    for (pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << WEXITSTATUS(status);
    }
    ExpectWholeBillsNumberedOneToN(kPrograms * kBillsEach);
}

TEST_F(SharedNumberingTest, AProgramKilledMidBatchLeavesOnlyWholeBills) {
    const pid_t child = StartPrinting(0, 0);
    while (Count("SELECT count(DISTINCT ID) FROM 历史") < 30) usleep(2000);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    const qint64 stored = Count("SELECT count(DISTINCT ID) FROM 历史");
    ExpectWholeBillsNumberedOneToN(stored);
    // The next bill follows on, whatever the killed program held.
    EXPECT_EQ(SaveHistory(*db, format, BillOf(format, {{"收件人", "甲"}})).number, stored + 1);
}

} // namespace
