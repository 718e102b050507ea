#include "platform/sql/fbstatus.h"

#include "platform/sql/fbclient.h"

bool FbFailed(const ISC_STATUS* status)
{
    return status[0] == isc_arg_gds && status[1] != 0;
}

std::string FbStatusText(const ISC_STATUS* status)
{
    std::string text;
    char line[1024];
    const ISC_STATUS* cursor = status;
    while (fb_interpret(line, sizeof line, &cursor) > 0) {
        if (!text.empty())
            text += '\n';
        text += line;
    }
    return text;
}

void FbCheck(const ISC_STATUS* status)
{
    if (FbFailed(status))
        throw EFbError(FbStatusText(status), status[1], static_cast<int>(isc_sqlcode(status)));
}
