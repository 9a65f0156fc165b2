// How a skinned element reaches the manager's skin: by index, at the moment
// it paints, sizes or hit-tests, never through a pointer kept from an
// earlier message. The records and pictures belong to the manager and are
// replaced at every load; an element keeps only the indexes of its record
// and pictures and asks again each time.
//
// Every look-up gives nothing (null, -1 or an empty view) when there is no
// manager, when it holds no usable skin, or when the index is out of range.
// "No usable skin" covers the time of a load from its start (the before-change
// announcement) until the new skin is complete (the change announcement), and
// a load that failed: callers then draw plainly. What a look-up returns stays
// valid until the manager loads or clears its skin, so it may be used for the
// rest of the current message and must not be kept past it.
#pragma once

#include <string_view>

#include "platform/portable/PixelBuffer.h"
#include "skin/data/portable/SkinDataCore.h"
#include "skin/paint/portable/EffectPixels.h"

// True when skin holds a complete skin that may be read now.
inline bool SkinUsable(const TbsSkinDataCore* skin) { return skin != nullptr && !skin->FEmpty; }

// Position of the first control record named exactly `name`, or -1 (also
// when the skin is not usable).
int FindSkinControlIndex(const TbsSkinDataCore* skin, std::string_view name);
int FindSkinObjectIndex(const TbsSkinDataCore* skin, std::string_view name);

const TbsDataSkinControl* SkinControlRecord(const TbsSkinDataCore* skin, int index);
const TbsDataSkinObject* SkinObjectRecord(const TbsSkinDataCore* skin, int index);

// The record at index when it is of class T (or derived from it): a control
// checks the class of its record before using what the class adds.
template <class T>
const T* SkinControlRecordAs(const TbsSkinDataCore* skin, int index) {
    return dynamic_cast<const T*>(SkinControlRecord(skin, index));
}
template <class T>
const T* SkinObjectRecordAs(const TbsSkinDataCore* skin, int index) {
    return dynamic_cast<const T*>(SkinObjectRecord(skin, index));
}

// Active picture `index` (a record's "pictureindex", "maskpictureindex" and
// the like); null as above, and for a picture without pixels.
const TPixelBuffer* SkinPicture(const TbsSkinDataCore* skin, int index);
// The same picture as a view for the portable composition; empty as above.
TPixelView SkinPictureView(const TbsSkinDataCore* skin, int index);
