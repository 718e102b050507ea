#pragma once
// A font object that follows a default font while it is not set explicitly.
#include "platform/ui/graphics.h"

// Copies Default over Font when their looks differ, with Copying set
// meanwhile so that Font's change handler can tell the copy from an edit.
inline void FollowFont(TFont& Font, const TFont& Default, bool& Copying)
{
    if (Font.Name() == Default.Name() && Font.Height() == Default.Height() && Font.Style() == Default.Style() &&
        Font.Color() == Default.Color() && Font.Pitch() == Default.Pitch())
        return;
    Copying = true;
    Font.Assign(&Default);
    Copying = false;
}
