#include "effects/reverb/editor/reverb_panel.h"

#include "effects/reverb/editor/level_meter.h"
#include "effects/reverb/reverb_effect.h"
#include "effects/reverb/reverb_value_access.h"

#include <cmath>
#include <initializer_list>
#include <new>

ReverbPanel::ReverbPanel(ReverbEffect& owner, std::unique_ptr<PanelSurface> drawing)
    : effect(owner), surface(std::move(drawing))
{
    for (int i = 0; i < SliderTotal; ++i)
        sliders[i].reset(new (std::nothrow) ValueSlider(*surface, SliderLayout[i]));
    for (int i = 0; i < FaderTotal; ++i)
        faders[i].reset(new (std::nothrow) GainFader(*surface, FaderLayout[i]));
    mute.reset(new (std::nothrow) ToggleButton(*surface, MuteButtonSpec));
    // The engine stays muted across openings; the button says so rather
    // than wait for a click that would only mute it again.
    if (mute && effect.engine.muted)
        mute->setState(true);
    tail.reset(new (std::nothrow) ToggleButton(*surface, TailButtonSpec));
    gate.reset(new (std::nothrow) ToggleButton(*surface, GateButtonSpec));
    quality.reset(new (std::nothrow) QualitySelector(*surface, QualitySpec));
}

void ReverbPanel::storeAndNotify(std::int32_t param, float widgetValue)
{
    // The threshold slider shows dB below full scale as negative numbers.
    const float magnitude = param == GateThreshold ? -widgetValue : widgetValue;
    storeValue(effect.currentValues, param, static_cast<std::uint32_t>(std::trunc(magnitude)));
    effect.setParamAndNotify(param, static_cast<float>(valueOf(effect.currentValues, param)));
}

void ReverbPanel::notifySwitch(std::int32_t param, bool on)
{
    effect.setParamAndNotify(param, on ? 1.0f : 0.0f);
}

void ReverbPanel::trackValues(int px, int py)
{
    for (int i = 0; i < SliderTotal; ++i)
        if (sliders[i] && sliders[i]->trackAt(px, py))
            storeAndNotify(SliderLayout[i].param, sliders[i]->value());
    for (int i = 0; i < FaderTotal; ++i)
        if (faders[i] && faders[i]->trackAt(px, py))
            storeAndNotify(FaderLayout[i].param, faders[i]->value());
}

void ReverbPanel::pressAt(int px, int py)
{
    if (px > PanLabelZone.left && px < PanLabelZone.right && py > PanLabelZone.top && py < PanLabelZone.bottom) {
        if (sliders[PanSlider])
            sliders[PanSlider]->setValue(20.0f);
        effect.currentValues.panorama = 20;
        effect.setParamAndNotify(Panorama, 20.0f);
    }
    trackValues(px, py);
    if (mute && mute->trackAt(px, py))
        effect.setMuted(mute->state() ? 1 : 0);
    if (tail && tail->trackAt(px, py)) {
        ReverbValues& values = effect.currentValues;
        values.tailHold = tail->state() ? 1 : 0;
        // Holding the tail switches the gate off; the gate's widgets follow
        // at the next refresh.
        if (values.tailHold != 0)
            values.gateOn = 0;
        notifySwitch(GateOn, values.gateOn != 0);
        notifySwitch(TailHold, values.tailHold != 0);
    }
    if (gate && gate->trackAt(px, py)) {
        effect.currentValues.gateOn = gate->state() ? 1 : 0;
        for (int i = FirstGateSlider; i < SliderTotal; ++i)
            if (sliders[i])
                sliders[i]->setEnabled(gate->state());
        notifySwitch(GateOn, gate->state());
    }
    if (quality && quality->trackAt(px, py)) {
        effect.currentValues.quality = static_cast<std::uint8_t>((quality->state() + 1) * 2);
        effect.setParamAndNotify(Quality, static_cast<float>(effect.currentValues.quality));
    }
}

void ReverbPanel::dragAt(int px, int py)
{
    trackValues(px, py);
}

void ReverbPanel::refresh()
{
    const ReverbValues values = effect.currentValues;
    for (int i = 0; i < SliderTotal; ++i) {
        if (!sliders[i])
            continue;
        const float stored = static_cast<float>(valueOf(values, SliderLayout[i].param));
        sliders[i]->setValue(SliderLayout[i].param == GateThreshold ? -stored : stored);
    }
    for (int i = 0; i < FaderTotal; ++i)
        if (faders[i])
            faders[i]->setValue(static_cast<float>(valueOf(values, FaderLayout[i].param)));
    if (tail)
        tail->setState(values.tailHold != 0);
    if (gate)
        gate->setState(values.gateOn != 0);
    for (int i = FirstGateSlider; i < SliderTotal; ++i)
        if (sliders[i])
            sliders[i]->setEnabled(values.gateOn != 0);
    if (quality)
        quality->setState(static_cast<std::uint8_t>((values.quality - 2) / 2));
}

void ReverbPanel::paintWidgets()
{
    for (auto& s : sliders)
        if (s)
            s->draw();
    for (auto& f : faders)
        if (f)
            f->draw();
    for (ToggleButton* b : {mute.get(), tail.get(), gate.get()})
        if (b)
            b->draw();
    if (quality)
        quality->draw();
}

void ReverbPanel::meterTick(PanelSurface& target)
{
    const bool muted = mute && mute->state();
    const int targetLeft = muted ? 0 : meterTarget(effect.meterLeft);
    const int targetRight = muted ? 0 : meterTarget(effect.meterRight);
    effect.meterDisplayLeft = nextMeterHeight(effect.meterDisplayLeft, targetLeft);
    effect.meterDisplayRight = nextMeterHeight(effect.meterDisplayRight, targetRight);
    drawMeter(target, MeterLeftX, effect.meterDisplayLeft);
    drawMeter(target, MeterRightX, effect.meterDisplayRight);
    // The next interval collects its own peaks.
    effect.meterLeft = 0.0f;
    effect.meterRight = 0.0f;
    effect.engine.peakLeft = 0.0f;
    effect.engine.peakRight = 0.0f;
}
