#include <string>
#include <vector>

#include "launcher_fixture.h"

struct ProbeCase
{
    friend void PrintTo(const ProbeCase& c, std::ostream* out) { *out << c.name; }
    const char* name;
    std::vector<std::pair<std::string, INSTALLSTATE>> states;
    OutlookProbeResult expected;
    std::vector<std::string> looked_up; // in order
};

std::string Lookup(const std::string& code)
{
    return "MsiLocateComponentA(\"" + code + "\", zeroed, 1023)";
}

std::vector<std::string> Lookups(std::initializer_list<const char*> codes)
{
    std::vector<std::string> lines;
    for (const char* code : codes)
        lines.push_back(Lookup(code));
    return lines;
}

class ProbeTest : public LauncherTest, public ::testing::WithParamInterface<ProbeCase>
{
};

TEST_P(ProbeTest, LooksUpInOrderAndStopsAtTheFirstRegistered)
{
    for (const auto& state : GetParam().states)
        standin::SetComponentState(state.first, state.second);
    EXPECT_EQ(GetParam().expected, App().ProbeOutlook());
    EXPECT_EQ(GetParam().looked_up, standin::Log());
}

using namespace marker;

const std::vector<std::string> kAllSeven = Lookups({k64, k32[0], k32[1], k32[2], k32[3], k32[4], kTrial});

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, ProbeTest,
    ::testing::Values(
        ProbeCase{"Row1AndRow3", {{k64, 3}, {k32[1], 3}}, Outlook64, Lookups({k64})},
        ProbeCase{"OnlyRow4", {{k32[2], 3}}, Outlook32, Lookups({k64, k32[0], k32[1], k32[2]})},
        ProbeCase{
            "Rows6And7", {{k32[4], 3}, {kTrial, 3}}, Outlook32, Lookups({k64, k32[0], k32[1], k32[2], k32[3], k32[4]})},
        ProbeCase{"OnlyTrial", {{kTrial, 3}}, OutlookTrial, kAllSeven},
        ProbeCase{"Nothing", {}, OutlookMissing, kAllSeven},
        ProbeCase{"AllAbsent", {{k64, 2}, {k32[0], 2}, {k32[4], 2}, {kTrial, 2}}, OutlookMissing, kAllSeven},
        ProbeCase{"AbsentRow2SourceRow3", {{k32[0], 2}, {k32[1], 4}}, Outlook32, Lookups({k64, k32[0], k32[1]})},
        ProbeCase{"Row1ErrorAnswer", {{k64, -2}}, Outlook64, Lookups({k64})},
        ProbeCase{"Row2Local", {{k32[0], 3}}, Outlook32, Lookups({k64, k32[0]})},
        ProbeCase{"TrialAnsweringError", {{kTrial, -3}}, OutlookTrial, kAllSeven}),
    [](const ::testing::TestParamInfo<ProbeCase>& info) { return std::string(info.param.name); });

// A registered lookup leaves a path in the buffer and a shorter count; the
// next lookup must start from a cleared buffer and 1023 again (the log
// shows "zeroed, 1023" for every call, the stand-in having dirtied both).
TEST_F(LauncherTest, EveryLookupStartsFromAClearedBuffer)
{
    standin::SetComponentState(k64, INSTALLSTATE_ABSENT);
    standin::SetComponentState(k32[0], INSTALLSTATE_ABSENT);
    standin::SetComponentState(k32[1], INSTALLSTATE_ABSENT);
    EXPECT_EQ(OutlookMissing, App().ProbeOutlook());
    EXPECT_EQ(kAllSeven, standin::Log());
}
