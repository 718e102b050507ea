// Entry point of the lighting program. The windows are not built yet: for now
// the program opens its database through the data module, says what it holds,
// and says that the windows are missing.
#include <cstdio>
#include <memory>

#include "app/fDM.h"
#include "platform/rtl/exceptions.h"
#include "resources/resources.h"

int main()
{
    InitLightingResources();
    try {
        auto dm = std::make_unique<TDM>(nullptr);
        dm->SetDatabase(DefaultDatabasePath());
        dm->conLighting->Open();
        dm->cdsSchemes->Open();
        dm->cdsProgramm->Open();
        dm->cdsTime->Open();
        std::printf("Kalvor Lighting: %d schemes, %d programme rows, %d time-table rows in %s.\n",
                    dm->cdsSchemes->RecordCount(), dm->cdsProgramm->RecordCount(), dm->cdsTime->RecordCount(),
                    DefaultDatabasePath().c_str());
    } catch (const Exception& e) {
        std::fprintf(stderr, "Kalvor Lighting: %s\n", e.Message().c_str());
        return 1;
    }
    std::puts("The program's windows are not built yet.");
    return 0;
}
