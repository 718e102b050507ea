#include "scene3d/context/suspendedcontext.h"

TSuspendedContext::TSuspendedContext(const T3DContext* Keep)
{
    T3DContext* current = CurrentContext();
    if (!current || current == Keep)
        return;
    FContext = current;
    while (current->Active()) {
        current->Deactivate();
        ++FDepth;
    }
}

void TSuspendedContext::Resume()
{
    for (; FDepth > 0; --FDepth)
        FContext->Activate();
}
