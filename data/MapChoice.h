// Which map the next level reads: 0 the first map, 1 the second. Set by the
// map-selection screen; kept across levels so "play again" replays the same map.
#pragma once

extern unsigned char mapChoice;
