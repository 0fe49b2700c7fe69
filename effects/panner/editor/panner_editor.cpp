#include "effects/panner/editor/panner_editor.h"

#include "effects/panner/editor/panner_skin_ids.h"
#include "framework/plug_effect.h"
#include "toolkit/controls/horizontal_fader.h"
#include "toolkit/controls/splash_box.h"
#include "toolkit/core/panel_window.h"
#include "toolkit/core/skin_bitmap.h"

namespace {

// Panel layout, in panel pixels.
constexpr std::int32_t PanLeft = 12;
constexpr std::int32_t PanTop = 15;
constexpr std::int32_t GainLeft = 420;
constexpr std::int32_t GainTop = 17;
// Rows are a pan track high plus this gap.
constexpr std::int32_t RowGap = 12;
// The pan handle is taller than its track and hangs 4 pixels above it.
constexpr PixelPoint PanHandleOffset{0, -4};
// The first pan's reset lands between outputs 7 and 8; every other fader's at 0.5.
constexpr float FirstPanDefault = 0.75f;
constexpr PixelRect AboutHotArea{12, 130, 42, 155};
constexpr PixelPoint AboutPictureAt{10, 20};

void releaseAndClear(SkinBitmap*& bitmap)
{
    if (bitmap != nullptr)
        bitmap->release();
    bitmap = nullptr;
}

} // namespace

PannerEditor::PannerEditor(PlugEffect* owner) : ToolkitEditor(owner), panelBackground(new SkinBitmap(PanelBackgroundId))
{
    rectangle.top = 0;
    rectangle.left = 0;
    rectangle.bottom = static_cast<std::int16_t>(panelBackground->height());
    rectangle.right = static_cast<std::int16_t>(panelBackground->width());
}

PannerEditor::~PannerEditor()
{
    // A host may destroy the effect with the window still open.
    if (panel != nullptr)
        closeWindow();
    releaseAndClear(panelBackground);
}

void PannerEditor::loadControlBitmaps()
{
    if (panTrack == nullptr)
        panTrack = new SkinBitmap(PanTrackId);
    if (panHandle == nullptr)
        panHandle = new SkinBitmap(PanHandleId);
    if (gainTrack == nullptr)
        gainTrack = new SkinBitmap(GainTrackId);
    if (gainHandle == nullptr)
        gainHandle = new SkinBitmap(GainHandleId);
}

void PannerEditor::releaseControlBitmaps()
{
    releaseAndClear(panTrack);
    releaseAndClear(panHandle);
    releaseAndClear(gainTrack);
    releaseAndClear(gainHandle);
}

template <typename C>
C* PannerEditor::place(C* control)
{
    if (panel->addWidget(control))
        return control;
    control->destroy();
    return nullptr;
}

std::int32_t PannerEditor::openWindow(void* parentWindow)
{
    ToolkitEditor::openWindow(parentWindow);
    // A host that opens twice gets a fresh panel rather than a second one.
    if (panel != nullptr)
        closeWindow();
    loadControlBitmaps();

    panel = new PanelWindow({0, 0, panelBackground->width(), panelBackground->height()}, parentWindow, this);
    if (panel->windowHandle() == nullptr) {
        closeWindow();
        return 0;
    }
    panel->setBackground(panelBackground);

    const std::int32_t pitch = panTrack->height() + RowGap;
    for (std::int32_t i = 0; i < Inputs; ++i) {
        const std::int32_t top = PanTop + pitch * i;
        HorizontalFader* fader = new HorizontalFader(
            {PanLeft, top, PanLeft + panTrack->width(), top + panTrack->height()}, this, i, PanLeft + 1,
            panTrack->width() - panHandle->width() + PanLeft - 1, panHandle, panTrack, {0, 0}, faderStyleLeft);
        fader->setHandleOffset(PanHandleOffset);
        fader->setValue(effect->getParam(i));
        if (i == 0)
            fader->setDefault(FirstPanDefault);
        panFaders[i] = place(fader);
    }
    for (std::int32_t k = 0; k < Inputs; ++k) {
        const std::int32_t index = Inputs + k;
        const std::int32_t top = GainTop + pitch * k;
        HorizontalFader* fader = new HorizontalFader(
            {GainLeft, top, GainLeft + gainTrack->width(), top + gainTrack->height()}, this, index, GainLeft + 1,
            gainTrack->width() - gainHandle->width() + GainLeft, gainHandle, gainTrack, {0, 0}, faderStyleLeft);
        fader->setValue(effect->getParam(index));
        gainFaders[k] = place(fader);
    }

    SkinBitmap* picture = new SkinBitmap(AboutPictureId);
    aboutBox = place(new SplashBox(AboutHotArea, this, AboutTag, picture,
                                   {AboutPictureAt.x, AboutPictureAt.y, AboutPictureAt.x + picture->width(),
                                    AboutPictureAt.y + picture->height()},
                                   {0, 0}));
    picture->release();
    return 1;
}

void PannerEditor::closeWindow()
{
    if (panel != nullptr) {
        // The panel owns the controls and destroys them with itself.
        PanelWindow* closing = panel;
        panel = nullptr;
        for (std::int32_t i = 0; i < Inputs; ++i)
            panFaders[i] = gainFaders[i] = nullptr;
        aboutBox = nullptr;
        closing->destroy();
    }
    releaseControlBitmaps();
}

void PannerEditor::parameterChanged(std::int32_t index, float)
{
    if (panel == nullptr)
        return;
    // The effect's own reading, not the argument: what the fader shows is
    // what the effect holds.
    HorizontalFader* fader = nullptr;
    if (index >= 0 && index < Inputs)
        fader = panFaders[index];
    else if (index >= Inputs && index < 2 * Inputs)
        fader = gainFaders[index - Inputs];
    if (fader != nullptr)
        fader->setValue(effect->getParam(index));
    postRefresh();
}

void PannerEditor::valueChanged(Painter& painter, Control* control)
{
    const std::int32_t tag = control->getTag();
    if (tag < 0 || tag >= 2 * Inputs)
        return;
    effect->setParamAndNotify(tag, control->getValue());
    control->redrawIfChanged(painter);
}
