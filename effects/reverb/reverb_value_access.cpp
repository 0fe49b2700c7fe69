#include "effects/reverb/reverb_value_access.h"

NativeRange nativeRange(std::int32_t index)
{
    switch (index) {
    case GateOn:
    case TailHold:
        return {0, 1};
    case RoomSize:
        return {3, 200};
    case Damping:
    case PreDelay:
    case HighPass:
    case LowPass:
        return {0, 100};
    case GateAttack:
        return {1, 50};
    case GateThreshold:
        return {1, 70};
    case GateHold:
    case GateRelease:
        return {5, 500};
    case WetLevel:
    case DryLevel:
        return {0, 240};
    case Quality:
        return {4, 10};
    case Panorama:
        return {0, 40};
    default:
        return {0, 0};
    }
}

std::uint32_t valueOf(const ReverbValues& v, std::int32_t index)
{
    switch (index) {
    case GateOn: return static_cast<std::uint16_t>(v.gateOn);
    case TailHold: return static_cast<std::uint16_t>(v.tailHold);
    case RoomSize: return v.roomSize;
    case Damping: return v.damping;
    case PreDelay: return v.preDelay;
    case HighPass: return v.highPass;
    case GateAttack: return v.gateAttack;
    case GateThreshold: return v.gateThreshold;
    case GateHold: return v.gateHold;
    case GateRelease: return v.gateRelease;
    case WetLevel: return v.wetLevel;
    case DryLevel: return v.dryLevel;
    case LowPass: return v.lowPass;
    case Quality: return v.quality;
    case Panorama: return v.panorama;
    case Reserved15: return v.reserved15;
    default: return 0;
    }
}

void storeValue(ReverbValues& v, std::int32_t index, std::uint32_t value)
{
    switch (index) {
    case GateOn: v.gateOn = static_cast<std::int16_t>(value); break;
    case TailHold: v.tailHold = static_cast<std::int16_t>(value); break;
    case RoomSize: v.roomSize = static_cast<std::uint8_t>(value); break;
    case Damping: v.damping = static_cast<std::uint8_t>(value); break;
    case PreDelay: v.preDelay = static_cast<std::uint8_t>(value); break;
    case HighPass: v.highPass = static_cast<std::uint8_t>(value); break;
    case GateAttack: v.gateAttack = static_cast<std::uint8_t>(value); break;
    case GateThreshold: v.gateThreshold = static_cast<std::uint8_t>(value); break;
    case GateHold: v.gateHold = static_cast<std::uint16_t>(value); break;
    case GateRelease: v.gateRelease = static_cast<std::uint16_t>(value); break;
    case WetLevel: v.wetLevel = static_cast<std::uint8_t>(value); break;
    case DryLevel: v.dryLevel = static_cast<std::uint8_t>(value); break;
    case LowPass: v.lowPass = static_cast<std::uint16_t>(value); break;
    case Quality: v.quality = static_cast<std::uint8_t>(value); break;
    case Panorama: v.panorama = static_cast<std::uint8_t>(value); break;
    default: break;
    }
}
