// What the typematic rate and key delay positions mean on the keyboard: the
// PS/2 typematic byte's rate (bits 0-4) and delay (bits 5-6), as the settings
// dialog shows them beside its sliders.
#pragma once

namespace vorlan {

// Position 0..3: 250, 500, 750 or 1000 ms before a held key repeats.
int KeyDelayMilliseconds(int position);

// Position 0..31: repeats a second, in tenths (300 = 30.0 at 0, 20 = 2.0 at
// 31): one repeat every (8 + bits 0-2) x 2^(bits 3-4) x 4.17 ms.
int TypematicRateTenths(int position);

} // namespace vorlan
