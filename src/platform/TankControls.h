#pragma once
#include "platform/MainControls.h"

namespace tw {

// The controls that describe one tank and hold its two readings.
struct TankControls {
    Ctl capacity, depth, shape, offset, readsVolume, reading1, reading2;
};

inline constexpr TankControls kTankA{Ctl::TankACap, Ctl::TankAD,  Ctl::TankAS, Ctl::TankOffA,
                                     Ctl::TankAU,   Ctl::TARead1, Ctl::TARead2};
inline constexpr TankControls kTankB{Ctl::TankBCap, Ctl::TankBD,  Ctl::TankBS, Ctl::TankOffB,
                                     Ctl::TankBU,   Ctl::TBRead1, Ctl::TBRead2};

}  // namespace tw
