// The whole Zevrak skin folder in memory: the definition and every picture
// it names, as the bytes of the files.
#pragma once

#include <string>
#include <vector>

#include "tools/zevrak/BmpWriter.h"

namespace zevrak {

struct TSkinFile {
    std::string Name;  // file name inside the skin folder
    TBytes Bytes;
};

// Files in a fixed order: the definition, the main picture, its mask, then
// the active pictures by index.
std::vector<TSkinFile> BuildZevrakFolder();

// Writes the files into an existing folder.
void WriteSkinFolder(const std::string& folder, const std::vector<TSkinFile>& files);

}  // namespace zevrak
