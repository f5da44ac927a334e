// The simulated DOS-device table's rules that the engine's tests do not reach: which definition a removal takes,
// and the errors of refused calls, as Windows answers them.
#include <gtest/gtest.h>

#include "platform/WinConst.h"
#include "platform/sim/SimDosDevices.h"

namespace plivant::platform::sim {
namespace {

using namespace plivant::win;
using Targets = std::vector<std::string>;

TEST(SimDosDevices, ARemovalTakesTheNewestMatchingDefinitionAndRefusalsSetTheirErrors) {
    const std::string temp = "\\??\\C:\\temp", temp10 = "\\??\\C:\\temp10", other = "\\??\\C:\\other";
    const std::tuple<uint32_t, std::optional<std::string>, bool, Targets> removals[] = {
        {kDddRemoveDefinition, "C:/temp", true, {other, temp}},  // a prefix, in either slash
        {kDddRemoveDefinition | kDddExactMatchOnRemove, "c:\\TEMP", true, {other, temp10}},
        {kDddRemoveDefinition | kDddExactMatchOnRemove, "C:\\tem", false, {other, temp10, temp}},
        {kDddRawTargetPath | kDddRemoveDefinition | kDddExactMatchOnRemove, temp10, true, {other, temp}},
        {kDddRemoveDefinition, std::nullopt, true, {temp10, temp}}};
    for (const auto& [flags, target, ok, left] : removals) {
        SimDosDevices t;
        for (const char* folder : {"C:\\temp", "C:\\temp10", "C:\\other"}) t.Define(0, "t:", folder);
        EXPECT_EQ(t.Define(flags, "T:", target), ok) << flags;
        EXPECT_EQ(t.Targets("T:"), left) << flags;
    }
    SimDosDevices d;
    for (const auto& [flags, name, target, error] :
         {std::tuple{0u, "M:\\", std::optional<std::string>("C:\\Data"), kErrorInvalidName},
          {0u, "M:", std::nullopt, kErrorInvalidParameter},
          {kDddRemoveDefinition, "K:", "C:\\x", kErrorFileNotFound},
          {kDddRemoveDefinition, "C:", std::nullopt, kErrorAccessDenied}}) {  // the system's disk
        EXPECT_FALSE(d.Define(flags, name, target)) << name;
        EXPECT_EQ(d.LastError(), error) << name;
    }
    EXPECT_TRUE(d.Define(kDddRemoveDefinition, "K:", std::nullopt)) << "nothing to remove, nothing asked";
}

}  // namespace
}  // namespace plivant::platform::sim
