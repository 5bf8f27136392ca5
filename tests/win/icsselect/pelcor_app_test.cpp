// The command line: only exactly "ICS_DOWN" turns sharing off without a window; anything
// else shows the dialog and, cancelled, changes nothing.
#include <windows.h>

#include <gtest/gtest.h>

#include "icsselect/pelcor_app.h"
#include "pelcor_fixture.h"

namespace {

using PelcorAppTest = PelcorTest;
using platform::sim::IcsRole;

TEST_F(PelcorAppTest, OnlyTheExactIcsDownLineTurnsSharingOffWithoutAWindow) {
    const struct {
        const char* line;
        bool down;
    } cases[] = {{"ICS_DOWN", true}, {"ics_down", false}, {"ICS_DOWN ", false}, {" ICS_DOWN", false},
                 {"ICS_DOWNX", false}, {"", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("command line '") + c.line + "'");
        Load(pelcortest::ThreeConnections());
        const std::size_t startsBefore = world.StartedPrograms().size();
        CPelcorApp app;
        app.m_hInstance = GetModuleHandleA(nullptr);
        app.m_lpCmdLine = c.line;
        bool dialogShown = false;
        testutil::AtNextTick([&] {
            HWND dialog = testutil::FindThreadWindow(pelcortest::kDialogTitle);
            dialogShown = dialog != nullptr;
            if (dialog) SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        EXPECT_FALSE(app.InitInstance()) << "the program ends after its one step";
        KillTimer(nullptr, testutil::PendingTick::Timer());
        testutil::PendingTick::Work() = nullptr;

        EXPECT_EQ(dialogShown, !c.down);
        EXPECT_EQ(world.StartedPrograms().size() - startsBefore, c.down ? 0u : 1u) << "the listing is only made for the dialog";
        for (const auto& conn : world.Connections()) {
            IcsRole before = conn.name == "Local Area Connection"       ? IcsRole::Public
                             : conn.name == "Wireless Network Connection" ? IcsRole::Private
                                                                          : IcsRole::None;
            EXPECT_EQ(conn.sharing, c.down ? IcsRole::None : before) << conn.name;
        }
        platform::sim::Uninstall();
    }
}

}  // namespace
