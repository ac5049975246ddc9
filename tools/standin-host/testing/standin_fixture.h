#pragma once
// A GoogleTest fixture for suites that start the stand-in host through COM: each test begins with no
// scenario and no journal, and ends by checking that the server it started has gone with nothing
// live, so one test's server never answers the next. A suite derives from it, creates the host object
// its own way after BeginServer, and gives back its references in ReleaseReferences.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "base/win/owners.h"
#include "standin_session.h"

namespace standin {

class StandinFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(session_.RemoveScenario());
        ASSERT_TRUE(session_.RemoveJournal());
    }

    void TearDown() override {
        ReleaseReferences();
        if (started_ && !exitChecked_)
            ExpectServerExit("live=0");
        session_.RemoveScenario();
    }

    // Every reference the test holds on the server's objects, given back before the server's end is checked.
    virtual void ReleaseReferences() = 0;

    // Writes the scenario (none when empty) for the server the test starts next.
    void BeginServer(const std::string& scenario) {
        if (!scenario.empty()) {
            ASSERT_TRUE(session_.WriteScenario(scenario));
        }
        started_ = true;
        exitChecked_ = false;
    }

    // The latest server journals its end with that many live objects, and its process goes.
    void ExpectServerExit(const std::string& live) {
        exitChecked_ = true;
        std::optional<JournalEntry> exit = session_.WaitForServerExit();
        ASSERT_TRUE(exit) << "no server-exit in:\n" << session_.JournalText();
        EXPECT_EQ(exit->args, live);
        WaitForProcessEnd(session_.LastServerPid());
    }

    static void WaitForProcessEnd(uint32_t pid) {
        ASSERT_NE(pid, 0u);
        EXPECT_TRUE(StandinSession::WaitForProcessEnd(pid));
    }

    base::win::ComApartment apartment_; // first member: a suite's references go before CoUninitialize
    StandinSession session_;
    bool started_ = false;
    bool exitChecked_ = false;
};

} // namespace standin
