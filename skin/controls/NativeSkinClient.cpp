#include "skin/controls/NativeSkinClient.h"

#include "platform/portable/AppMessages.h"

bool DispatchNativeSkinMessage(TbsNativeSkinClient& client, UINT msg, WPARAM wParam) {
    if (msg != WM_SKINCHANGEBEGIN && msg != WM_SKINLOADED) return false;
    const auto* sender = reinterpret_cast<const TbsSkinData*>(wParam);
    if (sender && sender != client.GetSkinData()) return true;
    if (msg == WM_SKINCHANGEBEGIN) {
        client.PrepareSkinChange();
    } else {
        client.ApplySkinChange();
    }
    return true;
}
