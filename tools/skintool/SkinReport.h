// What `skintool info` says about a package: its pictures, its sections and
// records by type, and every problem a skin author should fix.
#pragma once

#include <string>
#include <vector>

#include "skin/data/portable/SkinPackage.h"

struct TSkinReport {
    std::vector<std::string> Lines;     // the description, one line each
    std::vector<std::string> Problems;  // one line each; empty when all is well
};

TSkinReport DescribeSkinPackage(const TbsSkinPackage& package);
