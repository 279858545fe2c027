// The module as built: the version note the host reads from the file
// survives the release build's stripping, and the debug information lives
// in a file of its own beside the module.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "BuildInfo.h"

namespace {

bool fileContains(const char* path, const std::string& text) {
    std::ifstream file(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    return bytes.find(text) != std::string::npos;
}

TEST(ModuleFile, TheHostReadsTheBuildVersionOfTheBuiltModule) {
    EXPECT_EQ(vks::sim::versionFromModuleFile(VKS_MODULE_FILE), VKS_BUILD_VERSION);
}

TEST(ModuleFile, TheReleaseModuleLeavesItsDebugInformationBesideIt) {
    const std::string debugFile = VKS_MODULE_DEBUG_FILE;
    if (debugFile.empty()) GTEST_SKIP() << "this build keeps the debug information in the module";
    EXPECT_FALSE(fileContains(VKS_MODULE_FILE, ".debug_info"));
    EXPECT_TRUE(fileContains(VKS_MODULE_FILE, ".gnu_debuglink"));
    EXPECT_TRUE(fileContains(debugFile.c_str(), ".debug_info"));
}

} // namespace
