// Stand-ins so the generator links before every module has landed; a module's
// real definition replaces the weak one here.
#include "AssetGen.h"

__attribute__((weak)) void AddScreenPictures(std::vector<Picture>&) {}
__attribute__((weak)) void WriteSounds(const std::string&) {}
