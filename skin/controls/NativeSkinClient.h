// The skin-change interface of the controls that wrap a native window (the
// edit, and later the combo box, the rich edit and the list box).
//
// Those classes derive from the framework's native wrappers, not from the
// skinned control bases, so the manager's before-change (WM_SKINCHANGEBEGIN)
// and change (WM_SKINLOADED) messages reach them through this interface:
// the form's depth-first walk hands each control the message, and the
// wrapper's window procedure passes it to DispatchNativeSkinMessage, which
// answers it here. Neither message ever reaches the native procedure (1225
// and 1226 mean other things to native controls).
#pragma once

// Types.h comes first: windows.h defines colour macros with the names of its functions.
#include "platform/portable/Types.h"

#include <windows.h>

class TbsSkinData;

class TbsNativeSkinClient {
public:
    // The manager the control is bound to (not owned), or null.
    virtual TbsSkinData* GetSkinData() const = 0;
    // The manager is about to replace its records and pictures: forget the
    // binding, so that a paint before the change draws plainly.
    virtual void PrepareSkinChange() = 0;
    // The new skin is complete: bind again, take its font and size, repaint.
    virtual void ApplySkinChange() = 0;

protected:
    ~TbsNativeSkinClient() = default;
};

// WM_SKINCHANGEBEGIN calls PrepareSkinChange and WM_SKINLOADED calls
// ApplySkinChange, when the message's wParam names the client's manager or
// no manager. True when msg is one of the two (the caller answers 0 and
// passes it no further), false for any other message.
bool DispatchNativeSkinMessage(TbsNativeSkinClient& client, UINT msg, WPARAM wParam);
