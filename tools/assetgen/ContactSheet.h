// A review sheet: every picture scaled into a labelled cell.
#pragma once
#include <string>
#include <vector>

#include "AssetGen.h"

bool WriteContactSheet(const std::vector<Picture>& pictures, const std::vector<cairo_surface_t*>& surfaces,
                       const std::string& path);
