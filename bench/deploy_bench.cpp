// Memory and writes while deploying packages of growing size on the host
// build: the figures must not grow with the package.
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "allocation_counter.h"
#include "quenfold_setup_app.h"
#include "resource.h"
#include "stand_in.h"

int main()
{
    char dir[] = "/tmp/quenfold-bench-XXXXXX";
    if (mkdtemp(dir) == nullptr)
        return 1;
    printf("| package | largest allocation | peak heap | WriteFile calls | bytes per call |\n");
    printf("|---|---|---|---|---|\n");
    for (size_t mib : {1, 16, 64}) {
        std::vector<char> package(mib << 20, 'q');
        standin::Reset();
        standin::AddResource("MSI", IDR_PACKAGE_X86, package.data(), package.size());
        standin::SetComponentState("{CC29EA4B-7BC2-11D1-A921-00A0C91E2AA2}", INSTALLSTATE_LOCAL);
        standin::SetTempPath(std::string(dir) + "/");
        AllocationCounter::Start();
        AfxWinMain(standin::Module(), nullptr, const_cast<LPSTR>(""), SW_SHOW);
        AllocationCounter::Stop();

        size_t largest = standin::Heap().largestBlock > AllocationCounter::LargestBlock()
                             ? standin::Heap().largestBlock
                             : AllocationCounter::LargestBlock();
        std::string writes;
        int calls = 0;
        for (const std::string& line : standin::Log())
            if (line.rfind("WriteFile(", 0) == 0) {
                ++calls;
                size_t comma = line.find(", ");
                writes += (writes.empty() ? "" : " ") + line.substr(comma + 2, line.find(" bytes") - comma - 2);
            }
        printf("| %zu MiB (%zu bytes) | %zu bytes | %zu bytes | %d | %s |\n", mib, package.size(), largest,
               standin::Heap().peakBytes, calls, writes.c_str());
        unlink((std::string(dir) + "/QuenfoldSetup.msi").c_str());
    }
    rmdir(dir);
    return 0;
}
