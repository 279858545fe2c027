// The simulated cashier's pacing: a step looks only once everything an
// action set off has been delivered, time alone still moves a waiting step,
// and an application that never goes quiet cannot stall a script.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "cashier/Cashier.h"

namespace {

namespace cashier = vks::cashier;
using namespace std::chrono_literals;

// Runs `script` in an event loop of its own until it finishes or fails.
void runToEnd(cashier::Script& script) {
    QEventLoop loop;
    script.then("end", [&loop] { loop.quit(); });
    script.onFailure([&loop](const std::string&) { loop.quit(); });
    script.onCancel([] {});
    QTimer::singleShot(10s, &loop, &QEventLoop::quit); // a broken pacing must not hang the suite
    script.start();
    loop.exec();
    script.stop();
}

// Posts a call that posts the next one, `depth` deep, the way an item view
// commits a typed cell after the key that typed it.
void postChain(int depth, int& reached) {
    QTimer::singleShot(0, [depth, &reached] {
        reached = std::max(reached, 1);
        if (depth > 1)
            postChain(depth - 1, reached);
        else
            reached = -reached; // negative: the chain's end was delivered
    });
}

TEST(CashierScript, AStepLooksOnlyAfterEverythingTheActionSetOffWasDelivered) {
    for (const int depth : {1, 3, 10}) {
        int reached = 0;
        cashier::Script script(2000ms);
        script.then("act", [depth, &reached] { postChain(depth, reached); })
            .waitFor(
                "the chain ended at the first look", [&reached] { return reached < 0; }, 0ms);
        runToEnd(script);
        EXPECT_TRUE(script.finished()) << "depth " << depth << ": " << script.failure();
    }
}

TEST(CashierScript, TimeAloneMovesAWaitingStep) {
    struct Case {
        const char* what;
        bool holds; // the waited-for condition ever holds
    };
    for (const Case& c : {Case{"a pause ends", true}, Case{"an unmet step fails at its deadline", false}}) {
        cashier::Script script(60ms);
        QElapsedTimer clock;
        clock.start();
        if (c.holds)
            script.pause(60ms);
        else
            script.waitFor("never", [] { return false; });
        runToEnd(script);
        EXPECT_EQ(script.finished(), c.holds) << c.what;
        EXPECT_EQ(script.failed(), !c.holds) << c.what;
        EXPECT_GE(clock.elapsed(), 60) << c.what;
        EXPECT_LT(clock.elapsed(), 2000) << c.what;
    }
}

TEST(CashierScript, AnApplicationThatNeverGoesQuietDoesNotStallTheScript) {
    QTimer busy; // a zero timer delivers an event on every round of the loop
    busy.start(0);
    cashier::Script script(2000ms);
    bool acted = false;
    script.then("act", [&acted] { acted = true; }).waitFor("seen", [&acted] { return acted; });
    runToEnd(script);
    EXPECT_TRUE(script.finished()) << script.failure();
}

} // namespace
