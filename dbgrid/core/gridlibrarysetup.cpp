#include "dbgrid/core/gridlibrarysetup.h"

#include <memory>

#include "dbgrid/core/columninterceptors.h"
#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/columnslt.h"
#include "dbgrid/core/gridstylelt.h"

namespace {

class TGridLibrarySetup {
public:
    TGridLibrarySetup()
    {
        RegisterPropertyInterceptor<TColumnLt, TColumnLtPropertyInterceptor>();
        RegisterPropertyInterceptor<TDBGridColumnsLt, TColumnsLtPropertyInterceptor>();
        FDefaultStyle = std::make_unique<TDBGridLtStyle>();
    }
    ~TGridLibrarySetup()
    {
        FDefaultStyle.reset();
        UnregisterPropertyInterceptor<TDBGridColumnsLt, TColumnsLtPropertyInterceptor>();
        UnregisterPropertyInterceptor<TColumnLt, TColumnLtPropertyInterceptor>();
    }
    TGridLibrarySetup(const TGridLibrarySetup&) = delete;
    TGridLibrarySetup& operator=(const TGridLibrarySetup&) = delete;

    TDBGridLtStyle* DefaultStyle() const { return FDefaultStyle.get(); }

private:
    std::unique_ptr<TDBGridLtStyle> FDefaultStyle;
};

const TGridLibrarySetup GridLibrary;

} // namespace

TDBGridLtStyle* DefaultGridStyle()
{
    return GridLibrary.DefaultStyle();
}
