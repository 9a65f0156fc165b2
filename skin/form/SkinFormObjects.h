// The caption objects of a skinned form: the caption text and the caption
// buttons, each cut from a skin picture, drawn into the frame by the form's
// PaintFrame, redrawn alone when their state changes, and tracked under the
// mouse by the form.
//
//  TbsActiveSkinObject       the base: looks, morph, glow, mouse enter/leave
//    TbsUserObject           drawn by the form's OnPaintEvent
//    TbsSkinAnimateObject    frames side by side in its picture
//    TbsSkinButtonObject     + pressed and disabled looks
//      TbsSkinStdButtonObject  + a command (close, minimise, ...) and the
//                              restore looks; also the plain frame's buttons
//    TbsSkinCaptionObject    + the caption text
//
// An object copies what it needs from its skin record when it is made and
// keeps picture indexes only (a button also keeps its record, whose alpha
// images shape it in a full border): the pictures are looked up when it draws
// (the objects are freed at the start of every skin change and made again
// at its end). Coordinates are window coordinates.
#pragma once

// Types.h comes first: windows.h defines colour macros with the names of its functions.
#include "platform/portable/Types.h"

#include <windows.h>

#include <string>

#include "platform/Controls.h"
#include "skin/data/portable/SkinObjectRecords.h"
#include "skin/paint/TbsBitmap.h"

class TbsSkinForm;

class TbsActiveSkinObject {
public:
    // record: null for the plain frame's buttons.
    TbsActiveSkinObject(TbsSkinForm& form, const TbsDataSkinObject* record);
    TbsActiveSkinObject(const TbsActiveSkinObject&) = delete;
    TbsActiveSkinObject& operator=(const TbsActiveSkinObject&) = delete;
    virtual ~TbsActiveSkinObject() = default;

    // (x, y) relative to the object's top-left corner.
    virtual bool CanMouseHit(int x, int y) const;
    virtual void ShowGlow();
    virtual void HideGlow();
    virtual bool NeedMorph() const;
    // direct: drawn alone onto the window (RedrawObject), not into the
    // frame strips, where the frame picture already holds the normal look.
    virtual void DrawObject(HDC dc, bool direct);
    virtual void DblClick() {}
    virtual void MouseDown(int x, int y, TMouseButton button);
    virtual void MouseUp(int x, int y, TMouseButton button);
    virtual void MouseMove(int x, int y);
    virtual void MouseEnter();
    virtual void MouseLeave();

    // Whether the morph runs for this object now.
    bool MorphInUse() const;
    // One morph step toward the target (0.2 per tick); true when it moved.
    bool MorphStep();

    std::string IDName;
    std::string Hint;
    TRect SkinRect, ActiveSkinRect, InActiveSkinRect;  // in a picture
    bool OwnPicture = false;
    int ActivePictureIndex = -1, ActiveMaskPictureIndex = -1;
    bool Morphing = false;
    TbsMorphKind MorphKind = bsmkDefault;
    double FMorphPos = 0;  // 0: normal look ... 1: active look
    int GlowPictureIndex = -1, GlowMaskPictureIndex = -1;
    int GlowOffsetX = 0, GlowOffsetY = 0, GlowAlphaBlendValue = 255;
    TRect ObjectRect;
    bool Enabled = true, Visible = true;
    bool Active = false;  // drawn in the active look
    bool FHot = false;    // the mouse is over the object

protected:
    // The picture the object's rectangles lie in when they are not in the
    // frame picture; null when there is none (then only the frame shows).
    const TbsBitmap* ActivePicture() const;
    // Copies src of picture stretched into ObjectRect; nothing for an empty
    // rectangle or no picture.
    void DrawPart(HDC dc, const TbsBitmap* picture, const TRect& src) const;
    // The base drawing: the morph between two looks, the active look, the
    // normal look or the inactive look.
    void DrawLooks(HDC dc, bool direct, const TRect& normal, const TRect& active, const TRect& inactive);
    void StartMorphOrRedraw();

    TbsSkinForm& FForm;  // not owned: the form component that owns the object
};

class TbsUserObject : public TbsActiveSkinObject {
public:
    using TbsActiveSkinObject::TbsActiveSkinObject;
    void DrawObject(HDC dc, bool direct) override;
};

class TbsSkinAnimateObject : public TbsActiveSkinObject {
public:
    TbsSkinAnimateObject(TbsSkinForm& form, const TbsDataSkinAnimate& record);
    void DrawObject(HDC dc, bool direct) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseDown(int x, int y, TMouseButton button) override;
    void MouseUp(int x, int y, TMouseButton button) override;
    void DblClick() override;
    // One 25 ms tick of the caption animation timer; true when the frame moved.
    bool AnimationTick();

    int CountFrames = 1;
    bool Cycle = false, ButtonStyle = false;
    int TimerInterval = 50;  // ms per frame
    TbsStdCommand Command = cmDefault;
    TRect DownSkinRect;
    int FFrame = 1;         // 1 ... CountFrames
    int FClock = 25;        // ms
    bool FIncrement = true;
    bool FPressed = false;
};

class TbsSkinButtonObject : public TbsActiveSkinObject {
public:
    TbsSkinButtonObject(TbsSkinForm& form, const TbsDataSkinButton* record);
    void DrawObject(HDC dc, bool direct) override;
    void MouseDown(int x, int y, TMouseButton button) override;
    void MouseUp(int x, int y, TMouseButton button) override;
    void MouseEnter() override;

    // The alpha image of the look shown now, giving the button its shape
    // in a full border; null when the skin built none.
    virtual const TPixelBuffer* ShapeImage() const;

    bool FPressed = false;
    TRect DownRect, DisableSkinRect;
    // The skin record the button was made from (its alpha images), or null.
    // The objects are freed before their skin is, at every skin change.
    const TbsDataSkinButton* Record = nullptr;

protected:
    void DrawButton(HDC dc, bool direct);
    const TPixelBuffer* PickShape(const TPixelBuffer* normal, const TPixelBuffer* hot, const TPixelBuffer* down,
                                  const TPixelBuffer* inactive) const;
};

class TbsSkinStdButtonObject : public TbsSkinButtonObject {
public:
    // record: null for a plain-frame button of this command.
    TbsSkinStdButtonObject(TbsSkinForm& form, const TbsDataSkinStdButton* record, TbsStdCommand command,
                           const std::string& name);
    bool CanMouseHit(int x, int y) const override;
    void DrawObject(HDC dc, bool direct) override;
    void MouseDown(int x, int y, TMouseButton button) override;
    void MouseUp(int x, int y, TMouseButton button) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void ShowGlow() override;
    void DblClick() override;

    // The window is in the state this button undoes (maximised for the
    // maximise button, minimised, rolled up), and the skin has its looks.
    bool RestoreMode() const;
    // A system-menu button in its own picture that shows the form's icon.
    bool ShowsFormIcon() const;
    // The restore looks' images while RestoreMode holds.
    const TPixelBuffer* ShapeImage() const override;

    TbsStdCommand Command = cmDefault;
    TRect RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInActiveRect;
    std::string NormalHint, RestoreHint;
    bool FromRecord = false;

private:
    void DrawPlain(HDC dc) const;
};

class TbsSkinCaptionObject : public TbsActiveSkinObject {
public:
    TbsSkinCaptionObject(TbsSkinForm& form, const TbsDataSkinCaption& record);
    void DrawObject(HDC dc, bool direct) override;
    // The caption's look follows the form's activation: the mouse only
    // makes it hot.
    void MouseEnter() override { FHot = true; }
    void MouseLeave() override { FHot = false; }
    // One 25 ms tick of the caption animation; true when the frame moved.
    bool AnimationTick();
    // The form's text in the caption's font, colours and effects, placed
    // in r by the caption's alignment (r in dc's coordinates).
    void DrawCaptionText(HDC dc, const TRect& r);

    TRect TextRect;
    TbsSkinFont Font;
    TColor ActiveFontColor = 0;
    TAlignment Alignment = taCenter;
    bool Light = false, Shadow = false;
    TColor LightColor = 0, ActiveLightColor = 0, ShadowColor = 0, ActiveShadowColor = 0;
    bool VistaGlowEffect = false, VistaGlowInActiveEffect = false, GlowEffect = false, GlowInActiveEffect = false;
    int GlowSize = 3, GlowOffset = 0;
    TColor GlowColor = 0, GlowActiveColor = 0;
    bool ReflectionEffect = false;
    TColor ReflectionColor = 0, ReflectionActiveColor = 0;
    int ReflectionOffset = 0;
    TRect AnimateSkinRect;
    int FrameCount = 0, AnimateInterval = 25;
    int FFrame = 0;   // animation frame
    int FClock = 0;   // ms

private:
    void DrawText(HDC dc);
};
