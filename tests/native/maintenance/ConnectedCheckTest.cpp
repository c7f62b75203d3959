// The connected check and the commands that run it first.
#include <climits>
#include <string>
#include <vector>

#include "maintenance/CardTest.h"
#include "maintenance/ConnectedCheck.h"
#include "maintenance/DeviceTest.h"
#include "tests/native/support/CommandTest.h"

namespace {

class ConnectedCheckTest : public CommandTest {};

TEST_F(ConnectedCheckTest, PositiveHandleCountsAsConnected)
{
    for (int32_t handle : {1, 7, INT32_MAX}) {
        SCOPED_TRACE(handle);
        Reset();
        g_hReader = handle;
        EXPECT_EQ(1, IsReaderConnected(window));
        EXPECT_TRUE(window.lines.empty());
    }
}

TEST_F(ConnectedCheckTest, NoHandleRefusesWithOneLineAndNoLibraryCall)
{
    struct Command {
        const char* name;
        void (*run)(WindowOps&);
    };
    const Command commands[] = {
        {"Find card", FindCard},   {"Load key", LoadKey}, {"Verify Card", VerifyCard},
        {"Card Func", CardFunc},   {"Dev Func", DevFunc},
    };
    const std::vector<std::string> refusal = {"设备还没有连接上，请先连接设备!"};
    for (int32_t handle : {-1, 0, -5, INT32_MIN}) {
        {
            SCOPED_TRACE("IsReaderConnected with " + std::to_string(handle));
            Reset();
            g_hReader = handle;
            EXPECT_EQ(0, IsReaderConnected(window));
            EXPECT_EQ(refusal, window.lines);
        }
        for (const Command& command : commands) {
            SCOPED_TRACE(std::string(command.name) + " with " + std::to_string(handle));
            Reset();
            g_hReader = handle;

            command.run(window);

            EXPECT_EQ(refusal, window.lines);
            EXPECT_TRUE(SameSequence({}, Fake().calls));
            EXPECT_EQ(handle, g_hReader);
        }
    }
}

}  // namespace
