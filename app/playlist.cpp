#include "app/playlist.h"

#include <string>
#include <utility>

#include "app/programmeread.h"

namespace {

// Disables the controls of tables while it lives and puts each back on the
// row it was on.
class TTablesKeptInPlace {
public:
    explicit TTablesKeptInPlace(std::initializer_list<TClientDataSet*> Tables)
    {
        for (TClientDataSet* table : Tables) {
            table->DisableControls();
            FKept.push_back({table, table->IsEmpty() ? std::string() : table->Bookmark()});
        }
    }
    ~TTablesKeptInPlace()
    {
        // In the order given: a master first, so that its details are back
        // in its row before they move to their own.
        for (const auto& [table, bookmark] : FKept)
            if (!bookmark.empty() && table->BookmarkValid(bookmark))
                table->GotoBookmark(bookmark);
        for (const auto& [table, bookmark] : FKept)
            table->EnableControls();
    }
    TTablesKeptInPlace(const TTablesKeptInPlace&) = delete;
    TTablesKeptInPlace& operator=(const TTablesKeptInPlace&) = delete;

private:
    std::vector<std::pair<TClientDataSet*, std::string>> FKept;
};

} // namespace

TPlaylist ReadPlaylist(TDM& Module)
{
    TPlaylist playlist;
    // Without a database nothing is open and nothing plays.
    if (!Module.cdsProgramm->Active() || !Module.cdsSchemes->Active())
        return playlist;
    TTablesKeptInPlace kept{Module.cdsProgramm, Module.cdsSchemes, Module.cdsLighting};
    TClientDataSet& rows = *Module.cdsProgramm;
    for (rows.First(); !rows.Eof(); rows.Next()) {
        TPlayEntry entry{static_cast<uint8_t>(Module.cdsProgrammFCOUNT->AsInteger()), {}};
        // A scheme not found leaves the schemes table where it was.
        Module.cdsSchemes->Locate("FSCHEME", Module.cdsProgrammFSCHEME->AsInteger(),
                                  TLocateOptions{loCaseInsensitive});
        for (const TProgrammeStep& step : ReadSchemeSteps(Module))
            entry.Rows.push_back({static_cast<uint16_t>(step.Delay), std::bitset<16>(step.Mask)});
        playlist.push_back(std::move(entry));
    }
    return playlist;
}
