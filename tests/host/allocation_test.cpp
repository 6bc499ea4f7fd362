#include <vector>

#include "allocation_counter.h"
#include "launcher_fixture.h"
#include "resource.h"
#include "scratch_dir.h"

// The package is written straight from the loaded resource: deploying
// 64 MiB takes no block of memory anywhere near its size.
TEST_F(LauncherTest, DeployingALargePackageCopiesNothing)
{
    const size_t size = 64u << 20;
    std::vector<char> package(size, 'q');
    package.front() = 'B';
    package.back() = 'E';
    ScratchDir dir;
    standin::AddResource("MSI", IDR_PACKAGE_X86, package.data(), package.size());
    standin::SetComponentState(marker::k32[0], INSTALLSTATE_LOCAL);
    standin::SetTempPath(dir.Path() + "/");

    AllocationCounter::Start();
    EXPECT_EQ(0, RunLauncher());
    AllocationCounter::Stop();

    EXPECT_LE(AllocationCounter::LargestBlock(), 64u << 10);
    EXPECT_LE(standin::Heap().largestBlock, 64u << 10);
    EXPECT_EQ(1, std::count_if(standin::Log().begin(), standin::Log().end(), [](const std::string& line) {
                  return line.rfind("WriteFile(file#1, 67108864 bytes", 0) == 0;
              }));
    EXPECT_EQ(std::string(package.data(), size), ReadFile(dir.File("QuenfoldSetup.msi")));
}
